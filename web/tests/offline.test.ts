// Claim data never leaves the machine: once the page has loaded its own
// files it asks the network for nothing, whatever the operator does, and
// its Content-Security-Policy refuses a fetch. The page needs no server.

import path from "node:path";
import { pathToFileURL } from "node:url";
import { expect, test } from "@playwright/test";
import { control, keyIn, openPage } from "./page";
import { workedExamples } from "./workedexamples";

const ownFiles = ["/app.js", "/corvell-core.js", "/index.html", "/print.css", "/style.css"];

test("after loading its own files the page makes no request", async ({ page, context }) => {
  const requests: string[] = [];
  page.on("request", (r) => requests.push(r.url()));
  context.on("request", (r) => requests.push(r.url()));
  await openPage(page, "/index.html");
  const origin = new URL(page.url()).origin;
  const loaded = new Set(requests.splice(0));
  expect([...loaded].map((url) => url.replace(origin, "")).sort()).toEqual(ownFiles);

  // A whole session: typing, calculating, the worksheet, printing, saving.
  const ledger = workedExamples.find((e) => e.shows.List1)!;
  await keyIn(page, ledger);
  await page.click("#mnuWorksheet");
  await expect(page.locator("#txtWorksheet")).toContainText("Net Amount: 3,621.12");
  await page.click("#cmdCloseWorksheet");
  await control(page, "CalculationForm", "cmdPrint").click();
  await page.pdf();
  const [download] = await Promise.all([
    page.waitForEvent("download"),
    page.click("#mnuSaveClaim"),
  ]);
  expect(await download.failure()).toBeNull();
  expect(requests).toEqual([]);

  const policy = await page
    .locator('meta[http-equiv="Content-Security-Policy"]')
    .getAttribute("content");
  expect(policy?.split(";").map((d) => d.trim())).toContain("connect-src 'none'");
  const attempt = await page.evaluate(async () => {
    const refusedBy: string[] = [];
    document.addEventListener("securitypolicyviolation", (e) =>
      refusedBy.push(e.effectiveDirective),
    );
    const outcome = await fetch(location.href).then(
      () => "fetched",
      () => "refused",
    );
    await new Promise((resolve) => setTimeout(resolve, 0));
    return { outcome, refusedBy };
  });
  expect(attempt).toEqual({ outcome: "refused", refusedBy: ["connect-src"] });
  expect(requests).toEqual([]);
});

test("the page opens from its folder on disk", async ({ page }) => {
  const index = path.resolve(__dirname, "..", "..", "build", "web", "index.html");
  await openPage(page, pathToFileURL(index).href);
  await expect(page.locator("#BeginForm button")).toHaveText([
    "Compensation and Interest",
    "Present Value",
    "Social Security",
    "Lump Sum Offset",
    "Commutation Computing",
    "Subrogation",
    "Pension",
    "Close",
  ]);
});
