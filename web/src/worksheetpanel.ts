// "How Was This Calculated?" beside the window: the worksheet of the figures
// the front window shows, kept up to date after every command.

import type { Session } from "./core";

export class WorksheetPanel {
  private readonly panel = document.getElementById("worksheetPanel") as HTMLElement;
  private readonly text = document.getElementById("txtWorksheet") as HTMLElement;
  private readonly toggle = document.getElementById("mnuWorksheet") as HTMLButtonElement;
  private readonly withReport = document.getElementById(
    "chkWorksheetWithReport",
  ) as HTMLInputElement;
  private window = "";

  constructor(private readonly session: Session) {
    this.toggle.addEventListener("click", () => this.show(this.panel.hidden));
    document
      .getElementById("cmdCloseWorksheet")
      ?.addEventListener("click", () => this.show(false));
    document.getElementById("cmdCopyWorksheet")?.addEventListener("click", () => {
      void navigator.clipboard?.writeText(this.text.textContent ?? "");
    });
  }

  // Whether a report printed now is followed by its worksheet.
  get printsWithReports(): boolean {
    return this.withReport.checked;
  }

  // The window in front: the main menu calculates nothing.
  showFor(window: string, calculates: boolean): void {
    this.window = window;
    this.toggle.disabled = !calculates;
    if (!calculates) {
      this.show(false);
    }
    this.refresh();
  }

  refresh(): void {
    if (this.panel.hidden || !this.window) {
      return;
    }
    const sheet = this.session.worksheet(this.window);
    const text = sheet ? sheet.lines.join("\n") : "";
    if (this.text.textContent !== text) {
      this.text.textContent = text;
    }
  }

  private show(on: boolean): void {
    this.panel.hidden = !on;
    this.toggle.setAttribute("aria-expanded", String(on));
    this.refresh();
  }
}
