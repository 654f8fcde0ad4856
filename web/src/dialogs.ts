// The page's modal dialogs: a message with OK, a question with its answers.
// Each is a <dialog> shown modally; while it is open the window under it
// takes no input, and when it closes the binder puts the focus where the
// reaction says.

export const applicationTitle = "Corvell's Calculator";

export class Dialogs {
  private readonly box = document.getElementById("messageBox") as HTMLDialogElement;
  private readonly title = document.getElementById("messageTitle") as HTMLElement;
  private readonly text = document.getElementById("messageText") as HTMLElement;
  private readonly buttons = document.getElementById("messageButtons") as HTMLElement;

  get isOpen(): boolean {
    return this.box.open;
  }

  async message(text: string, title = ""): Promise<void> {
    await this.choose(text, title, ["OK"], 0);
  }

  async askYesNo(text: string, title = ""): Promise<boolean> {
    return (await this.choose(text, title, ["Yes", "No"], 1)) === 0;
  }

  // The index of the answer chosen; Escape chooses `cancel`. The first
  // answer has the focus, as a message box's default button does.
  choose(text: string, title: string, answers: string[], cancel: number): Promise<number> {
    this.title.textContent = title || applicationTitle;
    this.text.textContent = text;
    this.buttons.replaceChildren(
      ...answers.map((answer, i) => {
        const button = document.createElement("button");
        button.type = "submit";
        button.value = String(i);
        button.textContent = answer;
        return button;
      }),
    );
    return new Promise((resolve) => {
      this.box.addEventListener(
        "close",
        () => {
          const chosen = Number.parseInt(this.box.returnValue, 10);
          resolve(Number.isNaN(chosen) ? cancel : chosen);
        },
        { once: true },
      );
      this.box.returnValue = "";
      this.box.showModal();
      (this.buttons.firstElementChild as HTMLElement).focus();
    });
  }
}
