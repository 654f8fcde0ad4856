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
  private lines: string[] = [];

  constructor(private readonly session: Session) {
    this.toggle.addEventListener("click", () => this.show(this.panel.hidden));
    document.getElementById("cmdCloseWorksheet")?.addEventListener("click", () => this.show(false));
    document.getElementById("cmdCopyWorksheet")?.addEventListener("click", () => {
      void navigator.clipboard?.writeText(this.lines.join("\n"));
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
    const lines = this.session.worksheet(this.window)?.lines ?? [];
    if (lines.join("\n") === this.lines.join("\n")) {
      return;
    }
    this.lines = lines;
    // Each indented line hangs: the lines it wraps onto start under its
    // first character.
    this.text.replaceChildren(
      ...lines.map((line) => {
        const div = document.createElement("div");
        const blanks = line.length - line.trimStart().length;
        div.style.paddingLeft = `${blanks}ch`;
        div.textContent = line.trimStart() || "\u00a0";
        return div;
      }),
    );
  }

  private show(on: boolean): void {
    this.panel.hidden = !on;
    this.toggle.setAttribute("aria-expanded", String(on));
    this.refresh();
  }
}
