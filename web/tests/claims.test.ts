// Claims cross between the editions: a claim saved in the page opens in the
// desktop's core with the same figures, the desktop's claim files open in
// the page with the same figures, and a damaged file changes nothing.

import fs from "node:fs";
import path from "node:path";
import { expect, test, type Page } from "@playwright/test";
import {
  asShown,
  hasClaimview,
  noClaimview,
  pageView,
  readNatively,
  type NativeClaim,
} from "./claimview";
import { calculators, closeWindow, keyIn, openPage, openWindow, shown } from "./page";
import { caption, workedExamples } from "./workedexamples";

const fixtures = path.resolve(__dirname, "..", "..", "tests", "claim", "fixtures", "v1");

// The last example of each window: together, a claim with every window filled.
const onePerWindow = [...new Map(workedExamples.map((e) => [e.window, e])).values()];

// Each window is looked at in front, where the operator sees it.
async function expectSameWindows(page: Page, native: NativeClaim): Promise<void> {
  for (const [window, view] of Object.entries(native.views)) {
    if (window in calculators) {
      await openWindow(page, window);
    }
    const inPage = await pageView(page, window, view);
    expect(inPage, window).toEqual(asShown(inPage, view));
    if (window in calculators) {
      await closeWindow(page, window);
    }
  }
}

async function chooseClaim(
  page: Page,
  file: string | { name: string; mimeType: string; buffer: Buffer },
  open = () => page.click("#mnuOpenClaim"),
): Promise<void> {
  const [chooser] = await Promise.all([page.waitForEvent("filechooser"), open()]);
  await chooser.setFiles(file);
}

if (!hasClaimview) {
  console.log(`Skipping the claims read by the desktop's core: ${noClaimview}`);
}

test.describe("with the desktop's core", () => {
  test.skip(!hasClaimview, noClaimview);

  test("a claim saved in the page opens in the desktop's core as the page shows it", async ({
    page,
  }, info) => {
    await openPage(page);
    for (const example of onePerWindow) {
      await keyIn(page, example);
      await closeWindow(page, example.window);
    }
    await expect(page.locator("#claimName")).toHaveText("Untitled.claim*");
    const [download] = await Promise.all([
      page.waitForEvent("download"),
      page.click("#mnuSaveClaim"),
    ]);
    expect(download.suggestedFilename()).toBe(`${caption}.claim`);
    const file = info.outputPath(download.suggestedFilename());
    await download.saveAs(file);
    await expect(page.locator("#claimName")).toHaveText(`${caption}.claim`);

    const native = readNatively(file);
    expect(native.opened.changes).toBeNull();
    await expectSameWindows(page, native);
  });

  // Each file saved by the desktop: the page shows what the core works out,
  // and tells of changed figures in the same words.
  for (const name of fs.readdirSync(fixtures).filter((f) => f.endsWith(".claim"))) {
    test(`the desktop's ${name} opens in the page as in the desktop's core`, async ({ page }) => {
      const file = path.join(fixtures, name);
      const native = readNatively(file);
      await openPage(page);
      await chooseClaim(page, file);
      if (native.opened.changes === null) {
        await expect(page.locator("#messageBox")).not.toBeVisible();
        await expect(page.locator("#claimName")).toHaveText(name);
      } else {
        await expect(page.locator("#messageText")).toHaveText(native.opened.changes);
        await page.keyboard.press("Enter");
        await expect(page.locator("#claimName")).toHaveText(`${name}*`);
      }
      await expectSameWindows(page, native);
    });
  }
});

test("a damaged claim file is refused and changes nothing", async ({ page }) => {
  await openPage(page);
  const example = workedExamples.find((e) => e.window === "frmSocialSecurity");
  await keyIn(page, example!);
  const before = await shown(page, example!.window);
  const whole = fs.readFileSync(path.join(fixtures, "every-window.claim"));
  // What was typed is not saved: Open asks first.
  await page.click("#mnuOpenClaim");
  await expect(page.locator("#messageText")).toHaveText("Save changes to Untitled before closing?");
  const damaged = {
    name: "damaged.claim",
    mimeType: "application/json",
    buffer: whole.subarray(0, whole.length / 2),
  };
  await chooseClaim(page, damaged, () => page.click("#messageButtons >> text=Discard"));
  await expect(page.locator("#messageText")).toContainText("Could not open damaged.claim: ");
  await page.keyboard.press("Enter");
  await expect(page.locator("#messageBox")).not.toBeVisible();
  expect(await shown(page, example!.window)).toEqual(before);
  await expect(page.locator("#claimName")).toHaveText("Untitled.claim*");
});
