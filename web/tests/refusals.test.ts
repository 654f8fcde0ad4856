// A typo is refused as on the desktop: the message box in the page, then the
// focus back in the field with its whole text selected, ready to be typed
// over; and the click that left the field goes nowhere.

import { expect, test } from "@playwright/test";
import { control, openPage, openWindow } from "./page";

interface Refusal {
  window: string;
  before?: [string, string]; // a field typed first, which a stopped Clear leaves as it is
  field: string;
  typed: string;
  leave: "Tab" | "Enter" | { click: string };
  message: string;
}

const refusals: Refusal[] = [
  {
    window: "frmPresentValue",
    field: "txtFromDate",
    typed: "O1/01/2005",
    leave: "Tab",
    message: "O1/01/2005 is not a valid date.",
  },
  {
    window: "frmPresentValue",
    before: ["txtRate", "500"],
    field: "txtFromDate",
    typed: "13/45/2005",
    leave: { click: "cmdPVClear" },
    message: "13/45/2005 is not a valid date.",
  },
  {
    window: "frmSocialSecurity",
    before: ["txtSocialSecurity", "1000"],
    field: "txtRate",
    typed: "500 a week",
    leave: "Enter",
    message: "500 a week is not a valid number.",
  },
];

for (const r of refusals) {
  const how = typeof r.leave === "string" ? r.leave : `a click on ${r.leave.click}`;
  test(`${r.typed} in ${r.window} ${r.field}, left by ${how}, is refused`, async ({ page }) => {
    await openPage(page);
    await openWindow(page, r.window);
    if (r.before) {
      await control(page, r.window, r.before[0]).fill(r.before[1]);
    }
    const field = control(page, r.window, r.field);
    await field.click();
    await page.keyboard.type(r.typed);
    if (typeof r.leave === "string") {
      await page.keyboard.press(r.leave);
    } else {
      await control(page, r.window, r.leave.click).click();
    }
    await expect(page.locator("#messageText")).toHaveText(r.message);
    await page.keyboard.press("Enter");
    await expect(page.locator("#messageBox")).not.toBeVisible();
    await expect(field).toBeFocused();
    const selection = await field.evaluate((el: HTMLInputElement) => [
      el.selectionStart,
      el.selectionEnd,
    ]);
    expect(selection).toEqual([0, r.typed.length]);
    if (r.before) {
      // Clear would have emptied it.
      await expect(control(page, r.window, r.before[0])).not.toHaveValue("");
    }
  });
}
