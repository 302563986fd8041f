// SPDX-License-Identifier: GPL-3.0-or-later
// The page's figures: the size of what a browser loads to compute (the .wasm
// and the scripts), and the time from navigation to the page ready for input
// in headless Chromium, over fresh loads (median and range). With a file
// name as second argument, also a screenshot of the page as it opens.
//
//   node web/tests/page_bench.mjs build-web/page [screenshot.png]

import { statSync, writeFileSync } from "node:fs";
import { join, resolve } from "node:path";

import { openBrowser, serve, waitReady } from "./browser.mjs";

const webDir = resolve(process.argv[2] ?? "build-web/page");
const screenshot = process.argv[3];
const LOADS = 21;

const files = ["cnc-axis-calc.wasm", "cnc-axis-calc.js", "workbench.js", "page.js"];
let total = 0;
for (const file of files) {
  const size = statSync(join(webDir, file)).size;
  total += size;
  console.log(`${file.padEnd(22)} ${(size / 1024).toFixed(1).padStart(7)} KiB`);
}
console.log(`${"wasm + scripts".padEnd(22)} ${(total / 1024).toFixed(1).padStart(7)} KiB`);

const server = await serve(webDir);
const browser = await openBrowser("it-IT");
try {
  const times = [];
  for (let i = 0; i < LOADS; ++i) {
    // A new URL each time, so that every load compiles the module afresh
    // rather than from the previous load's memory cache.
    await browser.go(`${server.url}?load=${i}`);
    await waitReady(browser);
    times.push(await browser.run("return performance.getEntriesByName('ready')[0].startTime"));
  }
  times.sort((a, b) => a - b);
  const median = times[Math.floor(times.length / 2)];
  console.log(`navigation to ready: median ${median.toFixed(1)} ms over ${LOADS} loads ` +
    `(${times[0].toFixed(1)} to ${times[times.length - 1].toFixed(1)} ms)`);
  if (screenshot) {
    await browser.go(`${server.url}#finestra`);
    await waitReady(browser);
    // The window's size as the README's picture of it shows it, no focus.
    await browser.run(`document.activeElement.blur();
      Object.assign(document.getElementById("main").style, { width: "657px", height: "409px" });`);
    const [main] = await browser.find("#main");
    writeFileSync(screenshot, Buffer.from(await browser.screenshot(main), "base64"));
  }
} finally {
  await browser.close();
  await server.close();
}
