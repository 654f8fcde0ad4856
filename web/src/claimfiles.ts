// Claim files on the operator's disk. Where the browser lets a page write
// back to a file it opened (the File System Access API), Save writes the
// same file; elsewhere Open reads a chosen file and Save downloads
// "<name>.claim".

interface FileHandle {
  name: string;
  getFile(): Promise<File>;
  createWritable(): Promise<{ write(text: string): Promise<void>; close(): Promise<void> }>;
}

interface PickerWindow {
  showOpenFilePicker?(options: object): Promise<FileHandle[]>;
  showSaveFilePicker?(options: object): Promise<FileHandle>;
}

const picker = window as unknown as PickerWindow;
const claimTypes = [{ description: "Claims", accept: { "application/json": [".claim"] } }];

export interface ChosenFile {
  name: string;
  text: string;
  handle: FileHandle | null; // where Save writes back, when the browser allows it
}

function isCancel(e: unknown): boolean {
  return e instanceof DOMException && e.name === "AbortError";
}

// The file the operator chose to open; null when they cancelled.
export async function chooseClaimToOpen(): Promise<ChosenFile | null> {
  if (picker.showOpenFilePicker) {
    try {
      const [handle] = await picker.showOpenFilePicker({ types: claimTypes });
      const file = await handle.getFile();
      return { name: file.name, text: await file.text(), handle };
    } catch (e) {
      if (isCancel(e)) {
        return null;
      }
      throw e;
    }
  }
  const input = document.getElementById("claimPicker") as HTMLInputElement;
  input.value = "";
  return new Promise((resolve, reject) => {
    input.addEventListener(
      "change",
      () => {
        const file = input.files?.[0];
        if (!file) {
          resolve(null);
          return;
        }
        file.text().then((text) => resolve({ name: file.name, text, handle: null }), reject);
      },
      { once: true },
    );
    input.addEventListener("cancel", () => resolve(null), { once: true });
    input.click();
  });
}

// What the file holds now.
export async function readClaim(handle: FileHandle): Promise<string> {
  return (await handle.getFile()).text();
}

// Writes the claim to `handle`, or asks where when there is none; the file
// it went to (null: the operator cancelled). Without the API it downloads.
export async function writeClaim(
  text: string,
  proposedName: string,
  handle: FileHandle | null,
): Promise<{ name: string; handle: FileHandle | null } | null> {
  if (!handle && picker.showSaveFilePicker) {
    try {
      handle = await picker.showSaveFilePicker({ suggestedName: proposedName, types: claimTypes });
    } catch (e) {
      if (isCancel(e)) {
        return null;
      }
      throw e;
    }
  }
  if (handle) {
    const writable = await handle.createWritable();
    await writable.write(text);
    await writable.close();
    return { name: handle.name, handle };
  }
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([text], { type: "application/json" }));
  link.download = proposedName;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
  return { name: proposedName, handle: null };
}
