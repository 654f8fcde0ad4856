#!/usr/bin/env node
// The browser edition's figures, in headless Chromium from Debian: the main
// menu shown after a cold load, a Calculate on each window, and the size of
// the whole app as it travels compressed. Prints each figure beside its
// target as the desktop's bench programs do; exits 0 when every target is
// met, 3 when one is missed, 1 when a measurement could not be made.
//   node web/bench/browser.mjs [LOADS [CLICKS]]

import { execFileSync } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { chromium } from "@playwright/test";

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "..", "..");
const site = path.join(root, "build", "web");
// The desktop's claim of 100 ledger entries, saved by an earlier version.
const fullClaim = path.join(root, "tests", "claim", "fixtures", "v1", "ledger-100-entries.claim");
const loads = Number(process.argv[2] ?? 10);
const clicks = Number(process.argv[3] ?? 200);
const warmUpClicks = 20;

const targets = { menuMs: 500, calculateMs: 16, bytes: 1_000_000 };

// The worked example of each window, its Calculate button, and the result
// field it writes, as the desktop's bench checks it; last, one window again
// with the desktop's largest claim open.
const examples = [
  {
    name: "compensation and interest",
    window: "CalculationForm",
    menu: "cmdCompensationAndInterest",
    typed: [
      ["txtBeginningDate", "01/01/2004"],
      ["txtEndingDate", "12/31/2004"],
      ["txtRate", "500"],
      ["txtPaymentDate", "06/30/2005"],
      ["txtPaymentAmount", "1000"],
    ],
    calculate: "cmdCalculate",
    result: ["txtNetAmount", "27,848.88"],
  },
  {
    name: "present value, by dates",
    window: "frmPresentValue",
    menu: "cmdPresentValue",
    typed: [
      ["txtFromDate", "1/1/2005"],
      ["txtToDate", "01/01/2006"],
      ["txtRate", "500"],
    ],
    calculate: "cmdPVCalculate",
    result: ["txtPresentValue", "25,348.82"],
  },
  {
    name: "present value, by age (life table)",
    window: "frmPresentValue",
    menu: "cmdPresentValue",
    typed: [
      ["txtFromDate", "01/01/2005"],
      ["txtAge", "45"],
      ["txtGender", "m"],
      ["txtRate", "500"],
    ],
    calculate: "cmdPVCalculate",
    result: ["txtPresentValue", "408,160.20"],
  },
  {
    name: "social security offset",
    window: "frmSocialSecurity",
    menu: "cmdSocialSecurity",
    typed: [
      ["txtSocialSecurity", "1000"],
      ["txtRate", "500"],
    ],
    calculate: "cmdSSCalculate",
    result: ["txtNewRate", "384.80"],
  },
  {
    name: "pension offset",
    window: "FrmPension",
    menu: "cmdPension",
    typed: [
      ["txtMonthlyPension", "1200"],
      ["txtEmployerPercent", "60"],
      ["txtRate", "500"],
    ],
    calculate: "cmdSSCalculate",
    result: ["txtNewWeeklyRate", "$334.10"],
  },
  {
    name: "lump sum offset",
    window: "frmOffset",
    menu: "cmdOffset",
    typed: [
      ["txtBeginningDate", "01/05/2004"],
      ["txtRate", "400"],
      ["txtNetOffsetAmount", "5000"],
    ],
    calculate: "cmdCommCalculate",
    result: ["txtRemainder", "$28.57"],
  },
  {
    name: "commutation",
    window: "frmCommutation",
    menu: "Command1",
    typed: [
      ["txtBeginningDate", "1/5/04"],
      ["txtCommWeeks", "104"],
      ["txtCommAmount", "$52,000"],
    ],
    calculate: "cmdCommCalculate",
    result: ["txtComputedRate", "500.00"],
  },
  {
    name: "subrogation",
    window: "frmSubrogation",
    menu: "Command2",
    typed: [
      ["txtTotalRecovery", "100000"],
      ["txtCostsAndFees", "40000"],
      ["txtRate", "450"],
      ["txtLienAmount", "30000"],
    ],
    calculate: "cmdSSCalculate",
    result: ["txtForWeeks", "155 / 3"],
  },
  {
    name: "social security, 100-entry claim open",
    claim: fullClaim,
    window: "frmSocialSecurity",
    menu: "cmdSocialSecurity",
    typed: [
      ["txtSocialSecurity", "1000"],
      ["txtRate", "500"],
    ],
    calculate: "cmdSSCalculate",
    result: ["txtNewRate", "384.80"],
  },
];

let missed = 0;

function fail(why) {
  console.error(`bench: ${why}`);
  process.exit(1);
}

function heading(text) {
  console.log(`\n${text}`);
}

function figure(label, value, target, met) {
  if (!met) {
    missed += 1;
  }
  const outcome = met ? "met" : "MISSED";
  console.log(`  ${label.padEnd(38)} ${value.padEnd(26)} target ${target.padEnd(10)} ${outcome}`);
}

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const mid = Math.floor(sorted.length / 2);
  return sorted.length % 2 === 1 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
}

function percentile(values, fraction) {
  const sorted = [...values].sort((a, b) => a - b);
  const rank = Math.ceil(fraction * sorted.length);
  return sorted[Math.min(Math.max(rank, 1), sorted.length) - 1];
}

// build/web as `scripts/run --web` serves it: the files as they are.
function serve() {
  const types = { ".html": "text/html", ".css": "text/css", ".js": "text/javascript" };
  const server = http.createServer((request, response) => {
    const name = new URL(request.url, "http://x").pathname.replace(/^\/$/, "/index.html");
    const file = path.join(site, path.normalize(name));
    if (!file.startsWith(site) || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    const type = types[path.extname(file)] ?? "application/octet-stream";
    response.writeHead(200, { "Content-Type": type });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve(server)));
}

// Milliseconds from the start of the navigation to the frame that first
// shows the main menu, in a context of its own: nothing cached.
async function menuShown(browser, url) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.addInitScript(() => {
    const look = () => {
      const menu = document.getElementById("BeginForm");
      if (menu && !menu.hidden && menu.getClientRects().length > 0) {
        window.menuShownAt = performance.now();
      } else {
        requestAnimationFrame(look);
      }
    };
    requestAnimationFrame(look);
  });
  await page.goto(url);
  const ms = await (await page.waitForFunction(() => window.menuShownAt)).jsonValue();
  await context.close();
  return ms;
}

// The example typed in (in the claim it names, opened first), then its
// Calculate clicked again and again: each click timed from the click to its
// return, by which the result field has been written (it is emptied before
// each click).
async function calculateTimes(browser, url, example) {
  const page = await browser.newPage();
  // Open Claim... goes through the file chooser.
  await page.addInitScript(() => delete window.showOpenFilePicker);
  await page.goto(url);
  if (example.claim) {
    const [chooser] = await Promise.all([
      page.waitForEvent("filechooser"),
      page.click("#mnuOpenClaim"),
    ]);
    await chooser.setFiles(example.claim);
    await page.waitForFunction(
      (name) => document.getElementById("claimName").textContent === name,
      path.basename(example.claim),
    );
  }
  await page.click(`#BeginForm #${example.menu}`);
  for (const [field, text] of example.typed) {
    await page.focus(`#${example.window} #${field}`);
    await page.keyboard.type(text);
    await page.keyboard.press("Tab");
    // What leaving the field does runs before the next field is typed.
    await page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 0)));
  }
  const times = await page.evaluate(
    ({ window, calculate, result, runs, warmUp }) => {
      const section = document.getElementById(window);
      const button = section.querySelector(`#${calculate}`);
      const field = section.querySelector(`#${result[0]}`);
      const times = [];
      for (let i = 0; i < warmUp + runs; i++) {
        field.value = "";
        const start = performance.now();
        button.click();
        const end = performance.now();
        if (field.value !== result[1] || document.getElementById("messageBox").open) {
          return `${result[0]} shows "${field.value}", not ${result[1]}`;
        }
        if (i >= warmUp) {
          times.push(end - start);
        }
      }
      return times;
    },
    { ...example, runs: clicks, warmUp: warmUpClicks },
  );
  await page.close();
  if (typeof times === "string") {
    fail(`${example.name}: ${times}`);
  }
  return times;
}

function compressedSize() {
  return fs
    .readdirSync(site)
    .map((name) => execFileSync("gzip", ["-9", "-c", path.join(site, name)]).length)
    .reduce((a, b) => a + b, 0);
}

if (!fs.existsSync(path.join(site, "index.html"))) {
  fail(`no browser edition in ${site}: run scripts/web`);
}
const server = await serve();
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = await chromium.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  args: ["--no-sandbox"],
});
try {
  heading(`Browser edition: main menu shown after a cold load, median of ${loads} loads`);
  const first = await menuShown(browser, url);
  const times = [];
  for (let i = 0; i < loads; i++) {
    times.push(await menuShown(browser, url));
  }
  const range = `${Math.min(...times).toFixed(1)} .. ${Math.max(...times).toFixed(1)}`;
  figure(
    "main menu shown (min .. max)",
    `${median(times).toFixed(1)} ms (${range})`,
    `<= ${targets.menuMs} ms`,
    median(times) <= targets.menuMs,
  );
  console.log(`  ${"first load, unmeasured".padEnd(38)} ${first.toFixed(1)} ms`);

  heading(
    `Browser edition: Calculate on each window, median of ${clicks} clicks (99th percentile)`,
  );
  for (const example of examples) {
    const ms = await calculateTimes(browser, url, example);
    figure(
      example.name,
      `${median(ms).toFixed(2)} ms (${percentile(ms, 0.99).toFixed(2)})`,
      `<= ${targets.calculateMs} ms`,
      median(ms) <= targets.calculateMs,
    );
  }

  heading("Browser edition: the whole app, every file of build/web compressed (gzip -9)");
  const bytes = compressedSize();
  figure(
    "compressed size",
    `${(bytes / 1000).toFixed(1)} KB`,
    `<= ${targets.bytes / 1_000_000} MB`,
    bytes <= targets.bytes,
  );
} finally {
  await browser.close();
  server.close();
}
process.exit(missed === 0 ? 0 : 3);
