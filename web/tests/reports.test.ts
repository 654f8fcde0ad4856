// Reports printed from the page, read back from the PDF the browser makes
// of them: the figures in the desktop's words, the case caption and the page
// number at the foot, and the ledger turned to landscape.

import { execFileSync } from "node:child_process";
import { expect, test } from "@playwright/test";
import { control, keyIn, openPage } from "./page";
import { caption, workedExamples } from "./workedexamples";

interface PrintedReport {
  example: string;
  caption: string; // typed before printing, when the example has none
  printButton: string;
  landscape: boolean;
  // Lines of the report in order, blanks run together; others may come
  // between them (the date and time printed).
  lines: string[];
}

const reports: PrintedReport[] = [
  {
    example: "compensation and interest, a ledger of two periods",
    caption,
    printButton: "cmdPrint",
    landscape: true,
    lines: [
      "Interest Calculation",
      caption,
      "Begin End Pay Pay Amt. Weeks Days Rate Comp Accrued Simple Total Net Total",
      "01/01/2004 12/31/2004 06/30/2005 1,000.00 52 2 500.00 26,142.86 1,325.00 1,381.02 " +
        "28,848.88 27,848.88",
      "01/01/2005 01/28/2005 12/31/2005 0 4 0 500.00 2,000.00 9.62 1,611.51 3,621.12 3,621.12",
      "Totals: Payments=$1,000.00 Accrued=$1,334.62 Simple=$2,992.53 Comp=$28,142.86 " +
        "Amount=$32,470.00 Net=$31,470.00",
    ],
  },
  {
    example: "present value by dates",
    caption: "Doe v. Acme Mills",
    printButton: "cmdPVPrint",
    landscape: false,
    lines: [
      "Present Value Calculation",
      "Doe v. Acme Mills",
      "From 01/01/2005 to 01/01/2006",
      "52.14 weeks rate = $500.00",
      "Total compensation = $26,071.43",
      "Present value at 5 % discount = $25,348.82",
    ],
  },
  {
    example: "pension offset",
    caption: "Doe v. Widget Corp.",
    printButton: "cmdSSPrint",
    landscape: false,
    lines: [
      "Doe v. Widget Corp.",
      "Monthly pension=$1,200.00",
      "Percentage paid by employer=60%",
      "Weekly compensation rate=$500.00",
      "New weekly compensation rate=$334.10",
    ],
  },
];

function pdfText(file: string): string[] {
  return execFileSync("pdftotext", ["-layout", file, "-"], { encoding: "utf8" })
    .split("\n")
    .map((line) => line.replace(/\s+/g, " ").trim())
    .filter((line) => line !== "");
}

function pageSizes(file: string): string[] {
  const info = execFileSync("pdfinfo", ["-f", "1", "-l", "99", file], { encoding: "utf8" });
  return [...info.matchAll(/^Page +\d+ size: +(\d+ x \d+) pts/gm)].map((m) => m[1]);
}

for (const report of reports) {
  test(`the ${report.example} report prints as on the desktop`, async ({ page }, info) => {
    const example = workedExamples.find((e) => e.name === report.example)!;
    await openPage(page);
    await keyIn(page, example);
    if (!example.shows.txtCaseCaption) {
      await control(page, example.window, "txtCaseCaption").click();
      await page.keyboard.type(report.caption);
    }
    await control(page, example.window, report.printButton).click();
    await expect(page.locator("#printArea .page")).toHaveCount(1);

    const file = info.outputPath("report.pdf");
    await page.pdf({ path: file, preferCSSPageSize: true });
    expect(pageSizes(file)).toEqual([report.landscape ? "792 x 612" : "612 x 792"]);
    const lines = pdfText(file);
    const found = lines.filter((line) => report.lines.includes(line));
    expect(found, lines.join("\n")).toEqual(report.lines);
    expect(lines[lines.length - 1]).toBe(`${report.caption} Page 1 of 1`);
  });
}
