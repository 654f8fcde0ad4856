// The ledger panel's caption is in the label font, the panel in a fixed-pitch
// one: its letters are spread so that its column names stand over the
// panel's columns, whatever fonts the browser has, as on the desktop.

const panelColumns = 120;

function advance(font: string, text: string): number {
  const context = document.createElement("canvas").getContext("2d");
  if (!context) {
    return 0;
  }
  context.font = font;
  return context.measureText(text).width;
}

export function spreadCaptionOverPanel(caption: HTMLElement, panel: HTMLElement): void {
  const text = caption.textContent ?? "";
  const wanted = advance(getComputedStyle(panel).font, "0".repeat(panelColumns));
  const natural = advance(getComputedStyle(caption).font, text);
  if (text.length > 0 && wanted > natural) {
    caption.style.letterSpacing = `${(wanted - natural) / text.length}px`;
  }
}
