// The core as the page sees it: the session over the claim's models
// (web/bridge/session.h), its JSON answers typed. Every rule lives there.

export type ControlKind =
  "Field" | "TextBox" | "Label" | "CaptionLabel" | "Button" | "NavButton" | "ListBox";

export interface ControlSpec {
  kind: ControlKind;
  name: string;
  caption: string;
  toolTip: string;
  label: string | null; // the label that names a field
  left: number; // pixels
  top: number;
  width: number;
  height: number;
}

export interface WindowLayout {
  name: string;
  title: string;
  width: number;
  height: number;
  defaultButton: string | null;
  controls: ControlSpec[];
}

export interface ControlView {
  text: string;
  enabled: boolean;
  lines?: string[];
  spoken?: string[];
}
export type WindowView = Record<string, ControlView>;

export interface Reaction {
  message?: { text: string; title: string };
  question?: { id: number; text: string; title: string };
  focus?: { control: string; selectAll: boolean };
  print?: { id: number; title: string };
  show?: string;
  hideSelf?: boolean;
  endProcess?: boolean;
}

export type ReportItem = { text: string } | { zone: true };
export type Statement =
  | { print: ReportItem[]; endsLine: boolean }
  | { font: string }
  | { size: number }
  | { bold: boolean }
  | { underline: boolean }
  | { orientation: "portrait" | "landscape" }
  | { fittedTable: boolean }
  | { headings: boolean }
  | { continuedHeading: boolean };

export interface ReportDocument {
  orientation: "portrait" | "landscape";
  caption: string; // printed at the foot of every page
  statements: Statement[];
}

export interface PrintAnswer {
  fileName: string; // "<title> - <caption> - <date>.pdf"
  documents: ReportDocument[];
}

export interface WorksheetView {
  title: string;
  lines: string[];
}

export type EventName = "Click" | "LostFocus" | "Change" | "DblClick";

// The embind class, as compiled from web/bridge/bindings.cpp.
interface SessionObject {
  windows(): string;
  layout(window: string): string;
  view(window: string): string;
  setText(window: string, control: string, text: string): void;
  fire(window: string, control: string, event: string, line: number): string;
  handles(window: string, control: string, event: string): boolean;
  answer(question: number, yes: boolean): string;
  print(job: number, withWorksheet: boolean): string;
  worksheet(window: string): string;
  claimText(): string;
  openClaim(fileName: string, text: string): string;
  newClaim(): void;
  saved(): void;
  modified(): boolean;
  proposedFileName(): string;
}

interface CoreModule {
  Session: new () => SessionObject;
}

declare global {
  // Defined by corvell-core.js, loaded before the page's script.
  function createCore(): Promise<CoreModule>;
}

export class Session {
  private constructor(private readonly core: SessionObject) {}

  static async start(): Promise<Session> {
    const module = await createCore();
    return new Session(new module.Session());
  }

  windows(): string[] {
    return JSON.parse(this.core.windows());
  }
  layout(window: string): WindowLayout {
    return JSON.parse(this.core.layout(window));
  }
  view(window: string): WindowView {
    return JSON.parse(this.core.view(window));
  }
  setText(window: string, control: string, text: string): void {
    this.core.setText(window, control, text);
  }
  handles(window: string, control: string, event: EventName): boolean {
    return this.core.handles(window, control, event);
  }
  fire(window: string, control: string, event: EventName, line = -1): Reaction {
    return JSON.parse(this.core.fire(window, control, event, line));
  }
  answer(question: number, yes: boolean): Reaction {
    return JSON.parse(this.core.answer(question, yes));
  }
  print(job: number, withWorksheet: boolean): PrintAnswer {
    return JSON.parse(this.core.print(job, withWorksheet));
  }
  worksheet(window: string): WorksheetView | null {
    return JSON.parse(this.core.worksheet(window));
  }
  claimText(): string {
    return this.core.claimText();
  }
  // An error in the operator's words, or what opening changed (null: nothing).
  openClaim(fileName: string, text: string): { error?: string; changes?: string | null } {
    return JSON.parse(this.core.openClaim(fileName, text));
  }
  newClaim(): void {
    this.core.newClaim();
  }
  saved(): void {
    this.core.saved();
  }
  modified(): boolean {
    return this.core.modified();
  }
  proposedFileName(): string {
    return this.core.proposedFileName();
  }
}
