// Every worked example keyed into its window from the keyboard, every field
// compared with the desktop's figures.

import { test } from "@playwright/test";
import { expectShown, keyIn, openPage } from "./page";
import { workedExamples } from "./workedexamples";

test("every worked example gives the desktop's figures", async ({ page }) => {
  await openPage(page);
  for (const example of workedExamples) {
    await test.step(example.name, async () => {
      // A fresh claim each time: nothing carried over from the last example.
      await page.reload();
      await keyIn(page, example);
      await expectShown(page, example);
    });
  }
});
