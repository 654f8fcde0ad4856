// A list of lines, as the ledger panel shows them: one line selected at a
// time by the arrows or the mouse, each read aloud as the core words it; a
// blank line, which only separates others, takes no selection.

export class ListBox {
  readonly element: HTMLElement;
  private lines: string[] = [];
  private selected = -1;

  constructor(name: string, caption: string) {
    this.element = document.createElement("div");
    this.element.id = name;
    this.element.setAttribute("role", "listbox");
    this.element.tabIndex = 0;
    if (caption) {
      this.element.setAttribute("aria-label", caption);
    }
    this.element.addEventListener("keydown", (e) => this.key(e));
    this.element.addEventListener("mousedown", (e) => {
      const line = this.lineAt(e.target);
      if (line >= 0 && !this.isBlank(line)) {
        this.select(line);
      }
    });
  }

  // The chosen line; -1 when none is.
  get selectedLine(): number {
    return this.selected;
  }

  // The line under a mouse event's target; -1 when none is.
  lineAt(target: EventTarget | null): number {
    const option = (target as HTMLElement | null)?.closest?.("[role=option]");
    return option ? Array.prototype.indexOf.call(this.element.children, option) : -1;
  }

  isBlank(line: number): boolean {
    return (this.lines[line] ?? "").trim() === "";
  }

  // Rewrites the lines that changed; a list whose lines changed scrolls to
  // its end, as after a Save the totals and the entry just saved show.
  setLines(lines: string[], spoken: string[]): void {
    let changed = this.element.children.length > lines.length;
    while (this.element.children.length > lines.length) {
      this.element.lastElementChild?.remove();
    }
    lines.forEach((text, i) => {
      let option = this.element.children[i] as HTMLElement | undefined;
      if (option && option.textContent === text) {
        return;
      }
      if (!option) {
        option = document.createElement("div");
        option.setAttribute("role", "option");
        option.id = `${this.element.id}-line${i}`;
        this.element.append(option);
      }
      option.textContent = text;
      const blank = text.trim() === "";
      option.setAttribute("aria-label", spoken[i] ?? text);
      option.setAttribute("aria-selected", "false");
      option.toggleAttribute("aria-disabled", blank);
      changed = true;
    });
    this.lines = lines;
    if (this.selected >= lines.length || (this.selected >= 0 && this.isBlank(this.selected))) {
      this.select(-1);
    }
    if (changed) {
      this.element.scrollTop = this.element.scrollHeight;
    }
  }

  private select(line: number): void {
    if (this.selected >= 0) {
      this.element.children[this.selected]?.setAttribute("aria-selected", "false");
    }
    this.selected = line;
    if (line < 0) {
      this.element.removeAttribute("aria-activedescendant");
      return;
    }
    const option = this.element.children[line] as HTMLElement;
    option.setAttribute("aria-selected", "true");
    this.element.setAttribute("aria-activedescendant", option.id);
    option.scrollIntoView({ block: "nearest" });
  }

  // The next line that can be chosen from `from` going `step` lines at a
  // time, or `from` itself when there is none.
  private nextChoosable(from: number, step: number): number {
    for (let i = from + step; i >= 0 && i < this.lines.length; i += Math.sign(step)) {
      if (!this.isBlank(i)) {
        return i;
      }
    }
    return from;
  }

  private key(e: KeyboardEvent): void {
    const last = this.lines.length;
    const page = Math.max(1, Math.floor(this.element.clientHeight / 14) - 1);
    const moves: Record<string, () => number> = {
      ArrowDown: () => this.nextChoosable(this.selected, 1),
      ArrowUp: () => this.nextChoosable(this.selected < 0 ? last : this.selected, -1),
      Home: () => this.nextChoosable(-1, 1),
      End: () => this.nextChoosable(last, -1),
      PageDown: () => this.nextChoosable(Math.min(last - 1, this.selected + page - 1), 1),
      PageUp: () => this.nextChoosable(Math.max(0, this.selected - page + 1), -1),
    };
    const move = moves[e.key];
    if (move && !e.altKey && !e.ctrlKey && !e.metaKey) {
      e.preventDefault();
      const line = move();
      if (line >= 0 && line < last && !this.isBlank(line)) {
        this.select(line);
      }
    }
  }
}
