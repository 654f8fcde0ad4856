// The browser edition's tests: Debian's Chromium, headless (CI has no
// display and runs as root, hence no sandbox), against build/web served on
// the loopback address as `scripts/run --web` serves it.

import path from "node:path";
import { defineConfig } from "@playwright/test";

const site = path.resolve(__dirname, "..", "build", "web");
const port = Number(process.env.CORVELL_WEB_PORT ?? 4173);

export default defineConfig({
  testDir: "tests",
  testMatch: "*.test.ts",
  workers: 2,
  retries: 0,
  reporter: "list",
  timeout: 60_000,
  use: {
    baseURL: `http://127.0.0.1:${port}/`,
    browserName: "chromium",
    headless: true,
    launchOptions: {
      executablePath: "/usr/bin/chromium",
      // No calls home: the machine may have no network beyond the loopback.
      args: ["--no-sandbox", "--disable-background-networking", "--disable-component-update"],
    },
  },
  webServer: {
    command: `python3 -m http.server --bind 127.0.0.1 --directory "${site}" ${port}`,
    url: `http://127.0.0.1:${port}/index.html`,
    reuseExistingServer: false,
    stdout: "ignore",
    stderr: "ignore",
  },
});
