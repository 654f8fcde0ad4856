// What the browser edition's tests share: the page opened as an operator
// opens it, the worked examples keyed in, and what a window shows read back.

import { expect, type Page } from "@playwright/test";
import type { Step, WorkedExample } from "./workedexamples";

// No file pickers (Save downloads, Open goes through the file chooser) and
// no print dialog: Print lays the report out in #printArea and stops there.
export async function openPage(page: Page, url = "/"): Promise<void> {
  await page.addInitScript(() => {
    const w = window as unknown as Record<string, unknown>;
    delete w.showOpenFilePicker;
    delete w.showSaveFilePicker;
    window.print = () => {};
  });
  await page.goto(url);
  await expect(page.locator("#BeginForm")).toBeVisible();
}

// The main menu's button for each calculator window.
export const calculators: Record<string, string> = {
  CalculationForm: "cmdCompensationAndInterest",
  frmPresentValue: "cmdPresentValue",
  frmSocialSecurity: "cmdSocialSecurity",
  FrmPension: "cmdPension",
  frmOffset: "cmdOffset",
  frmCommutation: "Command1",
  frmSubrogation: "Command2",
};

// A control of a window: windows share control names.
export function control(page: Page, window: string, name: string) {
  return page.locator(`#${window} #${name}`);
}

export async function openWindow(page: Page, window: string): Promise<void> {
  await control(page, "BeginForm", calculators[window]).click();
  await expect(page.locator(`#${window}`)).toBeVisible();
}

// Back to the main menu.
export async function closeWindow(page: Page, window: string): Promise<void> {
  await control(page, window, "cmdQuit").click();
  await expect(page.locator("#BeginForm")).toBeVisible();
}

// Each field is typed where the focus is, as the operator sees it go: a
// field the window skips on its own is never clicked into.
export async function play(page: Page, window: string, steps: Step[]): Promise<void> {
  for (const step of steps) {
    if ("field" in step) {
      await expect(control(page, window, step.field)).toBeFocused();
      await page.keyboard.type(step.text);
      await page.keyboard.press(step.key);
    } else if (step.by === "click") {
      await control(page, window, step.button).click();
    } else {
      await expect(control(page, window, step.button)).toBeFocused();
      await page.keyboard.press("Enter");
    }
  }
}

export async function keyIn(page: Page, example: WorkedExample): Promise<void> {
  await openWindow(page, example.window);
  await play(page, example.window, example.steps);
}

// Every field of the window that is not empty, and every list's lines.
export function shown(page: Page, window: string): Promise<Record<string, string | string[]>> {
  return page.evaluate((name) => {
    const shows: Record<string, string | string[]> = {};
    const section = document.getElementById(name) as HTMLElement;
    for (const field of section.querySelectorAll<HTMLInputElement | HTMLTextAreaElement>(
      "input, textarea",
    )) {
      if (field.value !== "") {
        shows[field.id] = field.value;
      }
    }
    for (const list of section.querySelectorAll<HTMLElement>("[role=listbox]")) {
      if (list.children.length > 0) {
        shows[list.id] = Array.from(list.children, (line) => line.textContent ?? "");
      }
    }
    return shows;
  }, window);
}

export async function expectShown(page: Page, example: WorkedExample): Promise<void> {
  await expect.poll(() => shown(page, example.window)).toEqual(example.shows);
  await expect(page.locator("#messageBox")).not.toBeVisible();
}
