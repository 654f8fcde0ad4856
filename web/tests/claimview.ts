// A claim as the desktop's core reads it (tests/web/claimview, built by the
// ci preset), and the page's windows read back in the same terms, to compare
// them window by window.

import { execFileSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import type { Page } from "@playwright/test";

export const claimviewProgram = path.resolve(
  __dirname,
  "..",
  "..",
  "build",
  "ci",
  "tests",
  "web",
  "claimview",
);
export const hasClaimview = fs.existsSync(claimviewProgram);
export const noClaimview = `${claimviewProgram} is missing: build the ci preset (scripts/test)`;

interface ControlView {
  text?: string;
  enabled: boolean;
  lines?: string[];
  spoken?: string[];
}
type WindowView = Record<string, ControlView>;

export interface NativeClaim {
  opened: { changes: string | null };
  views: Record<string, WindowView>;
}

export function readNatively(file: string): NativeClaim {
  return JSON.parse(execFileSync(claimviewProgram, [file], { encoding: "utf8" }));
}

// What the page shows of each of the view's controls. A button shows its
// caption from the layout and a list its lines, so neither has a text.
export function pageView(page: Page, window: string, native: WindowView): Promise<WindowView> {
  return page.evaluate(
    ({ window, names }) => {
      const section = document.getElementById(window) as HTMLElement;
      const view: Record<string, ControlView> = {};
      for (const name of names) {
        const el = section.querySelector<HTMLElement>(`#${name}`);
        if (!el) {
          continue;
        }
        if (el instanceof HTMLInputElement || el instanceof HTMLTextAreaElement) {
          view[name] = { text: el.value, enabled: !el.disabled };
        } else if (el instanceof HTMLButtonElement) {
          view[name] = { enabled: !el.disabled };
        } else if (el.getAttribute("role") === "listbox") {
          const lines = Array.from(el.children, (line) => line.textContent ?? "");
          const spoken = Array.from(el.children, (line) => line.getAttribute("aria-label") ?? "");
          view[name] = {
            enabled: !el.hasAttribute("aria-disabled"),
            ...(lines.length > 0 ? { lines, spoken } : {}),
          };
        } else {
          view[name] = { text: el.textContent ?? "", enabled: !el.hasAttribute("aria-disabled") };
        }
      }
      return view;
    },
    { window, names: Object.keys(native) },
  );
}

// The native view as the page can show it: buttons and lists without a text.
export function asShown(page: WindowView, native: WindowView): WindowView {
  const shown: WindowView = {};
  for (const [name, control] of Object.entries(native)) {
    const { text, ...rest } = control;
    shown[name] = page[name]?.text === undefined ? rest : { text, ...rest };
  }
  return shown;
}
