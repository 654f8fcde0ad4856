// The page: the main menu and the seven calculators, each drawn from its
// layout table and bound to its model in the core, one window in front at a
// time; the claim's commands; reports printed through the browser's dialog.

import { Binder, type Host } from "./binder";
import { chooseClaimToOpen, readClaim, writeClaim, type ChosenFile } from "./claimfiles";
import { Session } from "./core";
import { Dialogs, applicationTitle } from "./dialogs";
import { spreadCaptionOverPanel } from "./ledgercaption";
import { renderReport } from "./report";
import { WorksheetPanel } from "./worksheetpanel";

const mainMenu = "BeginForm";

// What a window does to its controls once they are built.
const finishing: Record<string, (window: Binder) => void> = {
  CalculationForm: (w) => spreadCaptionOverPanel(w.control("Label11"), w.control("List1")),
};

function sentence(reason: string): string {
  return reason.endsWith(".") ? reason : `${reason}.`;
}

class Page implements Host {
  readonly dialogs = new Dialogs();
  private readonly desk = document.getElementById("desk") as HTMLElement;
  private readonly binders = new Map<string, Binder>();
  // The windows shown, the front one last.
  private readonly shown: string[] = [];
  private readonly panel: WorksheetPanel;
  private file: ChosenFile["handle"] = null;
  private fileName = "";
  // The file's text as last read or written, to tell when another program
  // (another tab, the desktop edition) changed it since.
  private fileText = "";
  private ended = false;
  private changePending = false;

  constructor(private readonly session: Session) {
    this.panel = new WorksheetPanel(session);
    this.desk.replaceChildren();
    this.command("mnuNewClaim", () => this.newClaim());
    this.command("mnuOpenClaim", () => this.openClaim());
    this.command("mnuSaveClaim", () => this.save(false));
    this.command("mnuSaveClaimAs", () => this.save(true));
    document.addEventListener("keydown", (e) => this.shortcut(e));
    // Leaving the page with changes not saved asks first.
    window.addEventListener("beforeunload", (e) => {
      if (!this.ended && this.session.modified()) {
        e.preventDefault();
        e.returnValue = "";
      }
    });
    window.addEventListener("afterprint", () => this.showTitle());
  }

  private command(id: string, run: () => Promise<unknown>): void {
    document.getElementById(id)?.addEventListener("click", () => {
      if (!this.dialogs.isOpen) {
        void run();
      }
    });
  }

  // Ctrl+S saves the claim and Ctrl+O opens one, as in every desktop program.
  private shortcut(e: KeyboardEvent): void {
    if (!(e.ctrlKey || e.metaKey) || e.altKey || this.dialogs.isOpen || this.ended) {
      return;
    }
    const key = e.key.toLowerCase();
    if (key === "s") {
      e.preventDefault();
      void this.save(e.shiftKey);
    } else if (key === "o" && !e.shiftKey) {
      e.preventDefault();
      void this.openClaim();
    }
  }

  private binder(name: string): Binder {
    let binder = this.binders.get(name);
    if (!binder) {
      binder = new Binder(this.session, this.session.layout(name), this);
      this.binders.set(name, binder);
      // Measured in place, in the page's fonts.
      this.desk.append(binder.element);
      finishing[name]?.(binder);
    }
    return binder;
  }

  private get front(): Binder | undefined {
    const name = this.shown[this.shown.length - 1];
    return name ? this.binders.get(name) : undefined;
  }

  show(name: string): void {
    const index = this.shown.indexOf(name);
    if (index >= 0) {
      this.shown.splice(index, 1);
    }
    this.shown.push(name);
    this.bringFront();
  }

  hide(name: string): void {
    const index = this.shown.indexOf(name);
    if (index < 0) {
      return;
    }
    this.shown.splice(index, 1);
    if (index === this.shown.length) {
      this.bringFront();
    }
  }

  // Only the front window is in the page: windows name their controls
  // alike (txtRate), and an element id names one element.
  private bringFront(): void {
    const front = this.shown[this.shown.length - 1];
    if (!front) {
      this.desk.replaceChildren();
      return;
    }
    const binder = this.binder(front);
    this.desk.replaceChildren(binder.element);
    this.panel.showFor(front, front !== mainMenu);
    this.showTitle();
    binder.focusFirst();
  }

  // The title's "*" and the worksheet follow once the window has answered:
  // telling whether a large claim changed takes longer than a Calculate.
  changed(): void {
    if (this.changePending) {
      return;
    }
    this.changePending = true;
    setTimeout(() => {
      this.changePending = false;
      this.showTitle();
      this.panel.refresh();
    });
  }

  private showTitle(): void {
    const front = this.front;
    const modified = this.session.modified();
    const file = this.fileName || "Untitled.claim";
    const claim = `${file}${modified ? "*" : ""}`;
    (document.getElementById("claimName") as HTMLElement).textContent = claim;
    document.title = front ? `${front.layout.title} - ${claim}` : applicationTitle;
  }

  print(job: number): void {
    const answer = this.session.print(job, this.panel.printsWithReports);
    renderReport(answer, document.getElementById("printArea") as HTMLElement);
    // The browser names the PDF it saves after the page's title.
    document.title = answer.fileName.replace(/\.pdf$/, "");
    window.print();
    this.showTitle();
  }

  async endProgram(): Promise<void> {
    if (!(await this.mayCloseClaim())) {
      return;
    }
    this.ended = true;
    window.close();
    // A page the browser does not let close says it has ended.
    this.shown.length = 0;
    this.bringFront();
    (document.getElementById("menuBar") as HTMLElement).hidden = true;
    (document.getElementById("worksheetPanel") as HTMLElement).hidden = true;
    const note = document.createElement("p");
    note.id = "ended";
    note.textContent = `${applicationTitle} has ended. Reload the page to start it again.`;
    this.desk.replaceChildren(note);
    document.title = applicationTitle;
  }

  // Asks about changes not saved yet; false when the operator cancels or
  // the save they asked for did not happen.
  private async mayCloseClaim(): Promise<boolean> {
    if (!this.session.modified()) {
      return true;
    }
    const name = this.fileName || "Untitled";
    const answer = await this.dialogs.choose(
      `Save changes to ${name} before closing?`,
      "",
      ["Save", "Discard", "Cancel"],
      2,
    );
    if (answer === 2) {
      return false;
    }
    return answer === 1 || (await this.save(false));
  }

  private async newClaim(): Promise<void> {
    if (!(await this.mayCloseClaim())) {
      return;
    }
    this.session.newClaim();
    this.startFrom("", null);
  }

  private async openClaim(): Promise<void> {
    if (!(await this.mayCloseClaim())) {
      return;
    }
    let chosen: ChosenFile | null;
    try {
      chosen = await chooseClaimToOpen();
    } catch (e) {
      await this.dialogs.message(`Could not open the claim: ${sentence(String(e))}`);
      return;
    }
    if (!chosen) {
      return;
    }
    const opened = this.session.openClaim(chosen.name, chosen.text);
    if (opened.error !== undefined) {
      await this.dialogs.message(`Could not open ${chosen.name}: ${sentence(opened.error)}`);
      return;
    }
    this.startFrom(chosen.name, chosen.handle);
    this.fileText = chosen.text;
    if (opened.changes) {
      await this.dialogs.message(opened.changes);
    }
  }

  // Saves to the claim's file, or asks where (`as`, or none yet); false
  // when it did not.
  private async save(as: boolean): Promise<boolean> {
    const text = this.session.claimText();
    const proposed = this.fileName || this.session.proposedFileName();
    try {
      if (!as && this.file && (await readClaim(this.file)) !== this.fileText) {
        const answer = await this.dialogs.choose(
          `${this.fileName} was changed by another program since you opened it.`,
          "",
          ["Save As...", "Overwrite", "Cancel"],
          2,
        );
        if (answer !== 1) {
          return answer === 0 && (await this.save(true));
        }
      }
      const written = await writeClaim(text, proposed, as ? null : this.file);
      if (!written) {
        return false;
      }
      this.session.saved();
      this.fileName = written.name;
      this.file = written.handle;
      this.fileText = text;
      this.showTitle();
      return true;
    } catch (e) {
      await this.dialogs.message(`Could not save the claim as ${proposed}: ${sentence(String(e))}`);
      return false;
    }
  }

  // Every window shows the claim now in the models.
  private startFrom(name: string, handle: ChosenFile["handle"]): void {
    this.fileName = name;
    this.file = handle;
    for (const binder of this.binders.values()) {
      binder.refresh();
    }
    this.showTitle();
    this.front?.focusFirst();
  }

  start(): void {
    this.show(mainMenu);
  }
}

Session.start().then(
  (session) => new Page(session).start(),
  (e) => {
    (document.getElementById("loading") as HTMLElement).textContent =
      `Corvell's Calculator could not start in this browser: ${String(e)}`;
  },
);
