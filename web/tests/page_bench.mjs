// SPDX-License-Identifier: GPL-3.0-or-later
// The page's figures: the size of every file of its folder (all that a
// browser loads to show it and keeps to open it offline), and the time from
// navigation to the page ready for input in headless Chromium: the first
// load, from the server, and the loads after it, which the service worker
// answers (median and range). With a file name as second argument, also a
// screenshot of the classic window as it opens.
//
//   node web/tests/page_bench.mjs build-web/page [screenshot.png]

import { readdirSync, statSync, writeFileSync } from "node:fs";
import { join, resolve } from "node:path";

import { openBrowser, serve, waitReady } from "./browser.mjs";

const webDir = resolve(process.argv[2] ?? "build-web/page");
const screenshot = process.argv[3];
const LOADS = 21;

let total = 0;
for (const file of readdirSync(webDir).sort()) {
  const size = statSync(join(webDir, file)).size;
  total += size;
  console.log(`${file.padEnd(22)} ${(size / 1024).toFixed(1).padStart(7)} KiB`);
}
console.log(`${"every file".padEnd(22)} ${(total / 1024).toFixed(1).padStart(7)} KiB ` +
  `(${(total / 1000).toFixed(1)} KB)`);

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
    if (i === 0) await browser.run("return navigator.serviceWorker.ready.then(() => undefined)");
  }
  const first = times.shift();
  times.sort((a, b) => a - b);
  const median = times[Math.floor(times.length / 2)];
  console.log(`navigation to ready: first load ${first.toFixed(1)} ms; the ${times.length} ` +
    `loads after it, from the service worker: median ${median.toFixed(1)} ms ` +
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
