// Reports on paper, laid out as the desktop lays them out: statements become
// printed lines (print zones, wrapping, fitted tables), lines go onto pages
// (repeated headings, the continued heading), and every page gets the case
// caption and "Page n of N" at its foot. Each page becomes a sheet of its own
// for the browser's print dialog, every run of text placed where the desktop
// paints it.

import type { PrintAnswer, ReportDocument, ReportItem, Statement } from "./core";

// Lengths are CSS pixels, 96 to the inch. The paper is US Letter with half
// an inch of margin on every side, as the desktop sets its printer up.
const margin = 48;
const paper = {
  portrait: { width: 816, height: 1056 },
  landscape: { width: 1056, height: 816 },
};

const zoneColumns = 14;
// A fitted table steps down no further than this; past it, lines wrap.
const smallestPoints = 4;
const footerPoints = 10;
// The room between the caption and the page number, in average characters.
const footerGap = 4;

// A typeface as the desktop measures it. The metrics are those of the
// metric-compatible stand-ins the desktop draws with, in 2048ths of an em:
// hhea ascender, descender and line gap, OS/2 xAvgCharWidth, and the post
// table's underline. A canvas measures neither the line gap nor that
// average, and zones and page breaks must fall where the desktop's do.
// Widths of text are measured, in the font that paints them.
interface Face {
  stack: string;
  ascent: number;
  descent: number;
  lineGap: number;
  regular: Weight;
  bold: Weight;
}
interface Weight {
  averageWidth: number;
  underlinePosition: number; // up from the baseline to the underline's middle
  underlineThickness: number;
}

const serif: Face = {
  stack: '"Times New Roman", "Liberation Serif", Tinos, serif',
  ascent: 1825,
  descent: 443,
  lineGap: 87,
  regular: { averageWidth: 1163, underlinePosition: -123, underlineThickness: 100 },
  bold: { averageWidth: 1217, underlinePosition: -28, underlineThickness: 195 },
};
const sans: Face = {
  stack: 'Arial, "Liberation Sans", Arimo, sans-serif',
  ascent: 1854,
  descent: 434,
  lineGap: 67,
  regular: { averageWidth: 1208, underlinePosition: -67, underlineThickness: 150 },
  bold: { averageWidth: 1255, underlinePosition: -2, underlineThickness: 215 },
};
const mono: Face = {
  stack: '"Courier New", "Liberation Mono", Cousine, monospace',
  ascent: 1705,
  descent: 615,
  lineGap: 0,
  regular: { averageWidth: 1229, underlinePosition: -393, underlineThickness: 84 },
  bold: { averageWidth: 1229, underlinePosition: -272, underlineThickness: 205 },
};
const unitsPerEm = 2048;

// The fonts reports name. A name with no stand-in prints in Times (the
// desktop leaves it to the system's font matching).
const faces: Record<string, Face> = {
  "Times New Roman": serif,
  "MS Serif": serif,
  Arial: sans,
  "MS Sans Serif": sans,
  "Courier New": mono,
};

function faceNamed(name: string): Face {
  return Object.prototype.hasOwnProperty.call(faces, name) ? faces[name] : serif;
}

interface Font {
  face: Face;
  points: number;
  bold: boolean;
  underline: boolean;
}

// The desktop lays reports out at 1200 dots to the inch, each font at a
// whole number of dots to the em; sizes here follow it, so that lines wrap
// and pages break where the desktop's do.
const desktopDpi = 1200;

// The font's em in CSS pixels.
function emSize(font: Font): number {
  return (Math.round((font.points * desktopDpi) / 72) * 96) / desktopDpi;
}

function em(font: Font, units: number): number {
  return (units * emSize(font)) / unitsPerEm;
}

function cssFont(font: Font, size: number): string {
  return `${font.bold ? "bold " : ""}${size}px ${font.face.stack}`;
}

function ascentOf(font: Font): number {
  return em(font, font.face.ascent);
}
function descentOf(font: Font): number {
  return em(font, font.face.descent);
}
function lineSpacingOf(font: Font): number {
  return em(font, font.face.ascent + font.face.descent + font.face.lineGap);
}
function weightOf(font: Font): Weight {
  return font.bold ? font.face.bold : font.face.regular;
}
function averageCharWidth(font: Font): number {
  return em(font, weightOf(font).averageWidth);
}

// Measures text in the browser's fonts. Widths are taken at a pixel to the
// font unit, where no rounding to pixels blurs them, and kept: a fitted
// table measures the same lines at every size it tries.
class Measure {
  private readonly context: CanvasRenderingContext2D;
  private readonly units = new Map<string, number>();
  private readonly boxes = new Map<string, { ascent: number; descent: number }>();

  constructor() {
    const context = document.createElement("canvas").getContext("2d");
    if (context === null) {
      throw new Error("The report cannot be measured: the browser offers no canvas.");
    }
    // Kerning asked for outright also kerns around blanks, as the desktop
    // does; left to the browser, it may shape word by word.
    context.fontKerning = "normal";
    this.context = context;
  }

  width(font: Font, text: string): number {
    if (text === "") {
      return 0;
    }
    const css = cssFont(font, unitsPerEm);
    const key = `${css}\u0000${text}`;
    let units = this.units.get(key);
    if (units === undefined) {
      this.context.font = css;
      units = this.context.measureText(text).width;
      this.units.set(key, units);
    }
    return em(font, units);
  }

  // The ascent and descent the browser gives the font it paints with at
  // `size`, which place the baseline in a line box.
  boxMetrics(font: Font, size: number): { ascent: number; descent: number } {
    const css = cssFont(font, size);
    let box = this.boxes.get(css);
    if (box === undefined) {
      this.context.font = css;
      const m = this.context.measureText("");
      box = { ascent: m.fontBoundingBoxAscent, descent: m.fontBoundingBoxDescent };
      this.boxes.set(css, box);
    }
    return box;
  }
}

// What a text covers on paper: trailing blanks leave no mark.
function inkWidth(measure: Measure, font: Font, text: string): number {
  return measure.width(font, text.replace(/ +$/, ""));
}

// The last blank whose text before it fits in `room`; -1 when none does.
function lastBlankWithin(measure: Measure, font: Font, text: string, room: number): number {
  let found = -1;
  for (let i = 0; i < text.length; ++i) {
    if (text[i] !== " ") {
      continue;
    }
    if (inkWidth(measure, font, text.slice(0, i)) > room) {
      break;
    }
    found = i;
  }
  return found;
}

// How many characters from the start fit in `room`.
function charsWithin(measure: Measure, font: Font, text: string, room: number): number {
  let n = 0;
  while (n < text.length && measure.width(font, text.slice(0, n + 1)) <= room) {
    ++n;
  }
  return n;
}

function firstWord(text: string): string {
  const blank = text.indexOf(" ");
  return blank < 0 ? text : text.slice(0, blank);
}

function withoutLeadingBlanks(text: string): string {
  return text.replace(/^ +/, "");
}

interface TextRun {
  x: number; // left edge, from the left margin
  text: string;
  font: Font;
}

interface PrintedLine {
  runs: TextRun[];
  ascent: number;
  height: number;
  headingsOf: number; // the column headings it belongs to; -1: none
  continuesHeadings: number; // the headings that start a page it continues on; -1: none
  continuedHeading: boolean; // printed atop every later page only
}

// Whitespace as Qt's trimmed() and simplified() see it.
const blankRun = /[\t\n\v\f\r \u0085\u00a0\u1680\u2000-\u200a\u2028\u2029\u202f\u205f\u3000]+/g;

function isBlank(line: PrintedLine): boolean {
  return line.runs.every((run) => run.text.replace(blankRun, "") === "");
}

// Turns statements into lines, one statement at a time. A copy goes on from
// the same point, which lets a fitted table be tried at several sizes.
class LineComposer {
  private face = serif;
  private points = 12;
  private bold = false;
  private underline = false;
  private step = 0;

  private runs: TextRun[] = []; // the line under way
  private x = 0;
  private lineStart = 0; // where the line under way started: 0, or a hanging indent
  private textStart = -1; // where its first character that shows stands; -1: none yet
  private lineInk = 0; // where the line under way stops showing
  private lineOpen = false;
  private lines: PrintedLine[] = [];

  private inTable = false;
  private inHeadings = false;
  private inContinuedHeading = false;
  private headingsInTable = false;
  private headingsCount = -1; // the number of the latest headings
  private continuing = -1; // the headings the lines from here on continue

  private widest = 0;
  private largest = 0;

  constructor(
    private readonly measure: Measure,
    private width: number,
  ) {}

  // A copy that goes on from here; the lines so far stay behind.
  copy(): LineComposer {
    const copy = Object.assign(new LineComposer(this.measure, this.width), this);
    copy.runs = [...this.runs];
    copy.lines = [];
    return copy;
  }

  apply(statement: Statement): void {
    if ("print" in statement) {
      this.print(statement.print, statement.endsLine);
    } else if ("font" in statement) {
      this.face = faceNamed(statement.font);
    } else if ("size" in statement) {
      this.points = statement.size;
    } else if ("bold" in statement) {
      this.bold = statement.bold;
    } else if ("underline" in statement) {
      this.underline = statement.underline;
    } else if ("fittedTable" in statement) {
      this.inTable = statement.fittedTable;
      if (!statement.fittedTable && this.headingsInTable) {
        this.continuing = -1; // the table's headings end with it
      }
    } else if ("headings" in statement) {
      this.inHeadings = statement.headings;
      if (statement.headings) {
        ++this.headingsCount;
      } else {
        this.continuing = this.headingsCount;
        this.headingsInTable = this.inTable;
      }
    } else if ("continuedHeading" in statement) {
      this.inContinuedHeading = statement.continuedHeading;
    }
    // Orientation is the paper's, taken before the first page starts.
  }

  // Prints every size so many points smaller (but no smaller than the
  // smallest) until stepped down by 0 again.
  stepDown(points: number): void {
    this.step = points;
  }

  // For trying a table at one size: no line wraps, and widths are measured
  // from here on.
  measureFromHere(): void {
    this.width = Infinity;
    this.widest = this.lineInk;
    this.largest = 0;
  }
  widestLine(): number {
    return Math.max(this.widest, this.lineInk);
  }
  largestPoints(): number {
    return this.largest;
  }

  finish(): PrintedLine[] {
    if (this.lineOpen) {
      this.endLine();
    }
    return this.lines;
  }

  private currentFont(): Font {
    const points = Math.min(this.points, Math.max(smallestPoints, this.points - this.step));
    return { face: this.face, points, bold: this.bold, underline: this.underline };
  }

  private print(items: ReportItem[], endsLine: boolean): void {
    this.lineOpen = true;
    const zoneWidth = zoneColumns * averageCharWidth(this.currentFont());
    for (const item of items) {
      if ("zone" in item) {
        this.x = (Math.floor(this.x / zoneWidth + 1e-9) + 1) * zoneWidth;
        continue;
      }
      const segments = item.text.replace(/\r/g, "").split("\n");
      segments.forEach((segment, i) => {
        if (i > 0) {
          this.endLine();
          this.lineOpen = true;
        }
        this.addText(segment);
      });
    }
    if (endsLine) {
      this.endLine();
    }
  }

  // Places the text on the line, wrapping what goes past the right margin:
  // at the last blank that fits; a word that would fit a line of its own
  // moves there whole; a longer word breaks where it must.
  private addText(text: string): void {
    const font = this.currentFont();
    const measure = this.measure;
    while (text !== "") {
      const room = this.width - this.x;
      if (inkWidth(measure, font, text) <= room) {
        this.place(text, font);
        return;
      }
      const blank = lastBlankWithin(measure, font, text, room);
      if (blank > 0 || (blank === 0 && this.runs.length > 0)) {
        this.place(text.slice(0, blank), font);
        this.wrap();
        text = withoutLeadingBlanks(text.slice(blank));
        continue;
      }
      const lineStarted = this.x > this.lineStart;
      if (
        lineStarted &&
        inkWidth(measure, font, firstWord(text)) <= this.width - this.hangingIndent()
      ) {
        this.wrap();
        continue;
      }
      const fits = charsWithin(measure, font, text, room);
      if (fits === 0 && lineStarted) {
        this.wrap();
        continue;
      }
      const cut = Math.max(fits, 1);
      this.place(text.slice(0, cut), font);
      this.wrap();
      text = text.slice(cut);
    }
  }

  // Where the next line of a wrapped line starts: under the start of its
  // text, unless that is past the middle, where too little room is left.
  private hangingIndent(): number {
    return this.textStart > 0 && this.textStart <= this.width / 2 ? this.textStart : 0;
  }

  private wrap(): void {
    const indent = this.hangingIndent();
    this.endLine();
    this.x = indent;
    this.lineStart = indent;
    this.textStart = indent;
  }

  private place(text: string, font: Font): void {
    if (text === "") {
      return;
    }
    if (this.textStart < 0) {
      const rest = withoutLeadingBlanks(text);
      if (rest !== "") {
        this.textStart =
          this.x + this.measure.width(font, text.slice(0, text.length - rest.length));
      }
    }
    this.runs.push({ x: this.x, text, font });
    this.lineInk = Math.max(this.lineInk, this.x + inkWidth(this.measure, font, text));
    this.x += this.measure.width(font, text);
    this.largest = Math.max(this.largest, font.points);
  }

  private endLine(): void {
    const fonts = this.runs.length > 0 ? this.runs.map((run) => run.font) : [this.currentFont()];
    this.lines.push({
      runs: this.runs,
      ascent: Math.max(...fonts.map(ascentOf)),
      height: Math.max(...fonts.map(lineSpacingOf)),
      headingsOf: this.inHeadings ? this.headingsCount : -1,
      continuesHeadings: this.inHeadings ? -1 : this.continuing,
      continuedHeading: this.inContinuedHeading,
    });
    this.runs = [];
    this.widest = Math.max(this.widest, this.lineInk);
    this.lineInk = 0;
    this.x = 0;
    this.lineStart = 0;
    this.textStart = -1;
    this.lineOpen = false;
  }
}

// Where the fitted table opened at `open` closes (or the last statement).
function tableClose(statements: Statement[], open: number): number {
  for (let i = open + 1; i < statements.length; ++i) {
    const s = statements[i];
    if ("fittedTable" in s && !s.fittedTable) {
      return i;
    }
  }
  return statements.length - 1;
}

// The fewest points the table opened at `open` must step down for its
// widest line to fit `width`.
function fittingStep(
  before: LineComposer,
  statements: Statement[],
  open: number,
  width: number,
): number {
  const close = tableClose(statements, open);
  for (let step = 0; ; step += 1) {
    const trial = before.copy();
    trial.measureFromHere();
    trial.stepDown(step);
    for (let i = open; i <= close; ++i) {
      trial.apply(statements[i]);
    }
    if (trial.widestLine() <= width || trial.largestPoints() <= smallestPoints) {
      return step;
    }
  }
}

function composeLines(doc: ReportDocument, measure: Measure, width: number): PrintedLine[] {
  const composer = new LineComposer(measure, width);
  doc.statements.forEach((statement, i) => {
    const table = "fittedTable" in statement ? statement.fittedTable : null;
    if (table === true) {
      composer.stepDown(fittingStep(composer, doc.statements, i, width));
    }
    composer.apply(statement);
    if (table === false) {
      composer.stepDown(0);
    }
  });
  return composer.finish();
}

interface PlacedRun {
  x: number; // from the left margin
  baseline: number; // from the top margin
  text: string;
  font: Font;
}

interface Page {
  orientation: "portrait" | "landscape";
  runs: PlacedRun[];
}

// Breaks the lines into pages whose lines take at most `bodyHeight`; there
// is always at least one page. Blank lines that a page break carries to the
// top of a page are left out.
function breakPages(lines: PrintedLine[], bodyHeight: number): PlacedRun[][] {
  const pages: PlacedRun[][] = [[]];
  const headings = new Map<number, PrintedLine[]>();
  const continued: PrintedLine[] = [];
  let y = 0;
  let pageHasLines = false; // beyond repeated headings
  let atPageTop = false; // a page break left no line on this page yet
  const put = (line: PrintedLine): void => {
    for (const run of line.runs) {
      pages[pages.length - 1].push({ ...run, baseline: y + line.ascent });
    }
    y += line.height;
  };
  for (const line of lines) {
    if (line.continuedHeading) {
      continued.push(line);
      continue;
    }
    if (line.headingsOf >= 0) {
      const group = headings.get(line.headingsOf) ?? [];
      group.push(line);
      headings.set(line.headingsOf, group);
    }
    if (pageHasLines && y + line.height > bodyHeight) {
      pages.push([]);
      y = 0;
      pageHasLines = false;
      atPageTop = true;
      continued.forEach(put);
      if (line.continuesHeadings >= 0) {
        (headings.get(line.continuesHeadings) ?? []).forEach(put);
      }
    }
    if (atPageTop && isBlank(line)) {
      continue;
    }
    put(line);
    pageHasLines = true;
    atPageTop = false;
  }
  return pages;
}

function printable(orientation: Page["orientation"]): { width: number; height: number } {
  const sheet = paper[orientation];
  return { width: sheet.width - 2 * margin, height: sheet.height - 2 * margin };
}

const footerFont: Font = { face: serif, points: footerPoints, bold: false, underline: false };

function layoutBody(doc: ReportDocument, measure: Measure): Page[] {
  const area = printable(doc.orientation);
  // Room for the footer, a line's height clear of the last line.
  const bodyHeight = area.height - 2 * lineSpacingOf(footerFont);
  return breakPages(composeLines(doc, measure, area.width), bodyHeight).map((runs) => ({
    orientation: doc.orientation,
    runs,
  }));
}

// The text cut short at the right with an ellipsis to fit `room`, as Qt
// elides: whole characters while the width so far stays short of the room
// the ellipsis leaves.
function elided(measure: Measure, font: Font, text: string, room: number): string {
  if (measure.width(font, text) <= room) {
    return text;
  }
  const ellipsis = "\u2026";
  const available = room - measure.width(font, ellipsis);
  if (available < 0) {
    return "";
  }
  const characters = Array.from(text);
  let kept = 0;
  while (
    kept + 1 < characters.length &&
    measure.width(font, characters.slice(0, kept + 1).join("")) < available
  ) {
    ++kept;
  }
  return characters.slice(0, kept).join("") + ellipsis;
}

function simplified(text: string): string {
  return text.replace(blankRun, " ").replace(/^ | $/g, "");
}

// The last line of the page, below the room the lines were given: the case
// caption at the left margin, on one line and cut short before it reaches
// the page number, and "Page n of N" centred.
function addFooter(page: Page, caption: string, number: string, measure: Measure): void {
  const area = printable(page.orientation);
  const baseline = area.height - descentOf(footerFont);
  const numberX = (area.width - measure.width(footerFont, number)) / 2;
  const room = numberX - footerGap * averageCharWidth(footerFont);
  const shown = elided(measure, footerFont, simplified(caption), room);
  if (shown !== "") {
    page.runs.push({ x: 0, baseline, text: shown, font: footerFont });
  }
  page.runs.push({ x: numberX, baseline, text: number, font: footerFont });
}

// The documents printed one after the other, each from a new page, the
// pages numbered through them all.
function layoutReports(documents: ReportDocument[], measure: Measure): Page[] {
  const laidOut = documents.map((doc) => layoutBody(doc, measure));
  const total = laidOut.reduce((sum, pages) => sum + pages.length, 0);
  let number = 0;
  laidOut.forEach((pages, i) => {
    for (const page of pages) {
      addFooter(page, documents[i].caption, `Page ${++number} of ${total}`, measure);
    }
  });
  return laidOut.flat();
}

// Runs are painted this many times larger and scaled down: the browser
// rounds every character's advance to a 64th of a pixel at the size it
// paints, which at the printed size would let a long run drift from the
// desktop's, whose rounding is as fine at its 1200 dots to the inch.
const paintZoom = desktopDpi / 96;

function runElement(run: PlacedRun, measure: Measure): HTMLElement {
  const element = document.createElement("span");
  const size = emSize(run.font) * paintZoom;
  const weight = weightOf(run.font);
  // A line box exactly as high as the painted font's ascent and descent puts
  // its baseline one ascent below its top.
  const box = measure.boxMetrics(run.font, size);
  element.textContent = run.text;
  // The place goes in the transform: the browser snaps a transformed
  // element's left and top to whole pixels.
  const left = margin + run.x;
  const top = margin + run.baseline - box.ascent / paintZoom;
  element.style.transform = `translate(${left}px, ${top}px) scale(${1 / paintZoom})`;
  element.style.lineHeight = `${box.ascent + box.descent}px`;
  element.style.fontFamily = run.font.face.stack;
  element.style.fontSize = `${size}px`;
  element.style.fontWeight = run.font.bold ? "bold" : "normal";
  if (run.font.underline) {
    element.style.textDecorationLine = "underline";
    element.style.textDecorationThickness = `${weight.underlineThickness / unitsPerEm}em`;
    // Down to the underline's top edge.
    const offset = -weight.underlinePosition - weight.underlineThickness / 2;
    element.style.textUnderlineOffset = `${offset / unitsPerEm}em`;
  }
  return element;
}

function pageElement(page: Page, measure: Measure): HTMLElement {
  const element = document.createElement("div");
  element.className = `page ${page.orientation}`;
  element.append(...page.runs.map((run) => runElement(run, measure)));
  return element;
}

// Lays the documents out as pages into `area` (emptying it first), ready for
// window.print().
export function renderReport(answer: PrintAnswer, area: HTMLElement): void {
  const measure = new Measure();
  const pages = layoutReports(answer.documents, measure);
  area.replaceChildren(...pages.map((page) => pageElement(page, measure)));
}
