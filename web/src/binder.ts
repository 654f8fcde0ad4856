// Binds a window's page elements to its model in the core by the controls'
// names, as FormBinder does on the desktop, the same code for every window.
// What the operator types goes to the model as it is typed; after a handler
// runs, the model's texts, list lines and enabled states come back, then its
// reaction is carried out in order: the message, the question, the focus,
// the report, the navigation.
//
// The keyboard and the mouse:
// - Enter in a single-line field presses the window's default button (the
//   field keeps the focus); Enter on a focused button presses it, once even
//   when held; Enter on a list recalls its chosen line, as a double click.
// - Leaving a field runs its leave handler, whether the operator tabbed away
//   or clicked elsewhere. A jump onward (a focus move without a message)
//   serves the operator who tabs; one who clicked another control goes
//   there. A refusal brings the focus back either way and stops the click.
// - The program moving the focus, or a message box taking it, is not the
//   operator leaving a field.
// - A text the program writes into a field shows its beginning, unless the
//   field has the focus.

import type { ControlSpec, EventName, Reaction, Session, WindowLayout } from "./core";
import type { Dialogs } from "./dialogs";
import { ListBox } from "./listbox";

// What a window asks of the page around it.
export interface Host {
  dialogs: Dialogs;
  show(window: string): void;
  hide(window: string): void;
  print(job: number): void;
  endProgram(): Promise<void>;
  // The model may have changed: the operator typed, or a handler ran.
  changed(): void;
}

type TextElement = HTMLInputElement | HTMLTextAreaElement;

function isText(el: Element | null): el is TextElement {
  return el instanceof HTMLInputElement || el instanceof HTMLTextAreaElement;
}

function plainEnter(e: KeyboardEvent): boolean {
  return e.key === "Enter" && !e.altKey && !e.ctrlKey && !e.metaKey && !e.shiftKey;
}

export class Binder {
  readonly element: HTMLElement;
  private readonly controls = new Map<string, HTMLElement>();
  private readonly lists = new Map<string, ListBox>();
  // The control that last received the focus, to return to it when the
  // window comes back to the front.
  private focused: HTMLElement | null = null;
  private lastFocused: HTMLElement | null = null;
  // A reaction is being carried out (a message box is open): the window
  // takes no input, and the focus moving is not the operator's.
  private busy = false;
  private movingFocus = false;
  // The mouse is pressed: a field left now is left by a click.
  private pointerPressed = false;

  constructor(
    private readonly session: Session,
    readonly layout: WindowLayout,
    private readonly host: Host,
  ) {
    this.element = document.createElement("section");
    this.element.className = "window";
    this.element.id = layout.name;
    this.element.setAttribute("aria-label", layout.title);
    const title = document.createElement("h1");
    title.className = "windowTitle";
    title.textContent = layout.title;
    const client = document.createElement("div");
    client.className = "client";
    client.style.width = `${layout.width}px`;
    client.style.height = `${layout.height}px`;
    for (const entry of layout.controls) {
      const el = this.create(entry);
      el.classList.add(entry.kind);
      el.style.left = `${entry.left}px`;
      el.style.top = `${entry.top}px`;
      el.style.width = `${entry.width}px`;
      el.style.height = `${entry.height}px`;
      if (entry.toolTip) {
        el.title = entry.toolTip;
      }
      this.controls.set(entry.name, el);
      client.append(el);
    }
    for (const entry of layout.controls) {
      const label = entry.label ? this.controls.get(entry.label) : undefined;
      if (label instanceof HTMLLabelElement) {
        label.htmlFor = entry.name;
      }
    }
    this.element.append(title, client);
    client.addEventListener("focusin", (e) => this.focusIn(e));
    client.addEventListener("focusout", (e) => this.focusOut(e as FocusEvent));
    // A press anywhere (the page's own buttons included) is a click away.
    document.addEventListener("pointerdown", () => (this.pointerPressed = true), true);
    // A press on the window's face, where no control is, leaves the focus
    // where it is, as on the desktop.
    this.element.addEventListener("mousedown", (e) => {
      if (e.target === client || e.target === this.element || e.target === title) {
        e.preventDefault();
      }
    });
    document.addEventListener("pointerup", () => setTimeout(() => (this.pointerPressed = false)));
    this.push();
  }

  get name(): string {
    return this.layout.name;
  }

  private create(entry: ControlSpec): HTMLElement {
    switch (entry.kind) {
      case "Field":
      case "TextBox": {
        const field = document.createElement(entry.kind === "Field" ? "input" : "textarea");
        field.id = entry.name;
        field.spellcheck = false;
        field.autocomplete = "off";
        field.addEventListener("input", () => this.typed(entry.name, field));
        if (field instanceof HTMLInputElement) {
          field.type = "text";
          field.addEventListener("keydown", (e) => this.enterInField(e));
        }
        return field;
      }
      case "Label":
      case "CaptionLabel": {
        const label = document.createElement("label");
        label.id = entry.name;
        label.textContent = entry.caption;
        return label;
      }
      case "Button":
      case "NavButton": {
        const button = document.createElement("button");
        button.type = "button";
        button.id = entry.name;
        button.textContent = entry.caption;
        button.addEventListener("click", () => this.click(entry.name));
        // Held down, Enter presses once.
        button.addEventListener("keydown", (e) => {
          if (e.key === "Enter" && e.repeat) {
            e.preventDefault();
          }
        });
        return button;
      }
      case "ListBox": {
        const list = new ListBox(entry.name, entry.caption);
        this.lists.set(entry.name, list);
        list.element.addEventListener("keydown", (e) => {
          if (plainEnter(e) && !e.repeat) {
            e.preventDefault();
            this.run(entry.name, "DblClick", list.selectedLine);
          }
        });
        list.element.addEventListener("dblclick", (e) => {
          const line = list.lineAt(e.target);
          // A blank line cannot be chosen: a double click on it chooses none.
          this.run(
            entry.name,
            "DblClick",
            line >= 0 && list.isBlank(line) ? -1 : list.selectedLine,
          );
        });
        return list.element;
      }
    }
  }

  control(name: string): HTMLElement {
    const el = this.controls.get(name);
    if (!el) {
      throw new Error(`${this.name} has no control named ${name}`);
    }
    return el;
  }

  // Writes the model's texts, lines and enabled states into the elements.
  push(): void {
    const focused = document.activeElement;
    const view = this.session.view(this.name);
    for (const [name, state] of Object.entries(view)) {
      const el = this.control(name);
      const list = this.lists.get(name);
      if (list) {
        list.setLines(state.lines ?? [], state.spoken ?? []);
      } else if (isText(el)) {
        if (el.value !== state.text) {
          el.value = state.text;
          if (document.activeElement !== el) {
            el.setSelectionRange(0, 0);
            el.scrollLeft = 0;
          }
        }
      } else if (el instanceof HTMLLabelElement) {
        if (el.textContent !== state.text) {
          el.textContent = state.text;
        }
      }
      if (el instanceof HTMLButtonElement || isText(el)) {
        el.disabled = !state.enabled;
      } else {
        el.toggleAttribute("aria-disabled", !state.enabled);
      }
    }
    if (focused instanceof HTMLElement && this.isDisabled(focused)) {
      // A control that loses its focus by being disabled passes it on to
      // the next one, as on the desktop.
      this.moveFocus(this.nextFocusable(focused));
    }
    this.host.changed();
  }

  // The first control after `from` in tab order that takes the focus; with
  // none, the first of all.
  private nextFocusable(from: HTMLElement | null): HTMLElement | null {
    const order = this.layout.controls.map((c) => this.control(c.name));
    const start = from ? order.indexOf(from) : -1;
    for (let i = 1; i <= order.length; ++i) {
      const el = order[(start + i) % order.length] as HTMLElement;
      if (el.tabIndex >= 0 && !this.isDisabled(el)) {
        return el;
      }
    }
    return null;
  }

  // The window comes to the front: the focus goes back where it was, or to
  // its first control.
  focusFirst(): void {
    const last = this.lastFocused;
    this.moveFocus(last && !this.isDisabled(last) ? last : this.nextFocusable(null));
  }

  private isDisabled(el: HTMLElement): boolean {
    return (el as HTMLButtonElement).disabled === true;
  }

  private typed(name: string, field: TextElement): void {
    this.session.setText(this.name, name, field.value);
    if (field instanceof HTMLInputElement && this.session.handles(this.name, name, "Change")) {
      this.run(name, "Change");
    } else {
      this.host.changed();
    }
  }

  private enterInField(e: KeyboardEvent): void {
    if (!plainEnter(e)) {
      return;
    }
    e.preventDefault();
    if (this.layout.defaultButton && !e.repeat) {
      const button = this.control(this.layout.defaultButton) as HTMLButtonElement;
      if (!button.disabled) {
        this.run(this.layout.defaultButton, "Click");
      }
    }
  }

  // A button pressed: by the mouse, by Space or Enter, or by a command of
  // the page's own (Print Report and Worksheet).
  click(name: string): void {
    if (this.busy || this.host.dialogs.isOpen) {
      return;
    }
    this.run(name, "Click");
  }

  // Runs the handler and writes its texts back, then carries out the rest.
  run(name: string, event: EventName, line = -1): Promise<void> {
    const reaction = this.session.fire(this.name, name, event, line);
    this.push();
    return this.apply(reaction);
  }

  // Runs a command the page offers for the window when the operator gives
  // it (a claim opened): the model's texts come back.
  refresh(): void {
    this.push();
  }

  // `onward`: where the focus goes after a message when the reaction moves
  // it nowhere.
  async apply(r: Reaction, onward: HTMLElement | null = null): Promise<void> {
    const modal = r.message !== undefined || r.question !== undefined;
    if (modal) {
      this.busy = true;
    }
    try {
      if (r.message) {
        await this.host.dialogs.message(r.message.text, r.message.title);
      }
      if (r.question) {
        const yes = await this.host.dialogs.askYesNo(r.question.text, r.question.title);
        const next = this.session.answer(r.question.id, yes);
        this.push();
        this.busy = false;
        await this.apply(next);
        return;
      }
    } finally {
      if (modal) {
        this.busy = false;
      }
    }
    if (r.focus) {
      this.moveFocus(this.control(r.focus.control), r.focus.selectAll);
    } else if (modal && onward) {
      this.moveFocus(onward);
    }
    if (r.print) {
      this.host.print(r.print.id);
    }
    if (r.show) {
      this.host.show(r.show);
    }
    if (r.hideSelf) {
      this.host.hide(this.name);
    }
    if (r.endProcess) {
      await this.host.endProgram();
    }
  }

  private moveFocus(el: HTMLElement | null, selectAll = true): void {
    if (!el) {
      return;
    }
    // The program moving the focus is not the operator leaving a field.
    this.movingFocus = true;
    try {
      el.focus();
    } finally {
      this.movingFocus = false;
    }
    if (isText(el)) {
      if (selectAll) {
        el.select();
      } else {
        el.setSelectionRange(0, 0);
        el.scrollLeft = 0;
        el.scrollTop = 0;
      }
    }
  }

  private focusIn(e: FocusEvent): void {
    const el = e.target as HTMLElement;
    this.focused = el;
    this.lastFocused = el;
  }

  private focusOut(e: FocusEvent): void {
    const field = e.target as HTMLElement;
    // A message box taking the focus, or the program moving it, is not
    // leaving the field; and a control that never got the focus cannot
    // lose it.
    if (this.busy || this.movingFocus || this.host.dialogs.isOpen || this.focused !== field) {
      return;
    }
    this.focused = null;
    const name = field.id;
    if (!isText(field) || !this.session.handles(this.name, name, "LostFocus")) {
      return;
    }
    const clickedAway = this.pointerPressed;
    const reaction = this.session.fire(this.name, name, "LostFocus", -1);
    this.push();
    if (clickedAway && reaction.focus && !reaction.message && reaction.focus.control !== name) {
      // A jump onward helps the operator who tabs through the fields; one
      // who clicked another control meant to go there.
      delete reaction.focus;
    }
    // The reaction is carried out before the focus arrives where the
    // operator sent it: a focus move (or the message box taking the focus)
    // stops that arrival, as the message box stops the click that moved the
    // focus away. After a message that moves the focus nowhere, it goes on
    // to where the operator sent it.
    void this.apply(reaction, e.relatedTarget as HTMLElement | null);
  }
}
