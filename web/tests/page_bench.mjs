// SPDX-License-Identifier: GPL-3.0-or-later
// The page's figures: the size of every file of the page's folder (all that
// a browser loads to show it and keeps to open it offline; what it loads to
// compute, the .wasm and index.html with its scripts, shown apart), and the time from
// navigation to the page ready for input in headless Chromium: the first
// load, from the server, and the loads after it, which the service worker
// answers (median and range), for the classic window in Italian and for the
// workbench in English, which fetches its catalogue first. With a file name
// as second argument, also a screenshot of the classic window as it opens,
// and beside it the workbench's, filled in, on a wide screen and a phone, in
// light and dark (screenshot-web-banco-1280-light.png, ...). Last, what one
// keystroke in the workbench costs the module: its answers with its drive's
// diagram.
//
//   node web/tests/page_bench.mjs build-web/page [screenshot.png]

import { readdirSync, statSync, writeFileSync } from "node:fs";
import { dirname, join, resolve } from "node:path";

import { openBrowser, serve, waitReady } from "./browser.mjs";

const webDir = resolve(process.argv[2] ?? "build-web/page");
const screenshot = process.argv[3];
const LOADS = 21;

const kib = (bytes) => `${(bytes / 1024).toFixed(1).padStart(7)} KiB`;
// Every file under `dir`, as paths relative to `webDir`.
const filesUnder = (dir) => readdirSync(join(webDir, dir), { withFileTypes: true })
  .flatMap((entry) => (entry.isDirectory() ? filesUnder(join(dir, entry.name))
    : [join(dir, entry.name)]));
const files = filesUnder("").sort();
const computing = ["cnc-axis-calc.wasm", "index.html"];
let total = 0;
let wasmAndScripts = 0;
for (const file of files) {
  const size = statSync(join(webDir, file)).size;
  total += size;
  if (computing.includes(file)) wasmAndScripts += size;
  console.log(`${file.padEnd(22)} ${kib(size)}`);
}
console.log(`${"wasm + index.html".padEnd(22)} ${kib(wasmAndScripts)}`);
console.log(`${"every file".padEnd(22)} ${kib(total)} (${(total / 1000).toFixed(1)} kB)`);

// The median and range of navigation to ready over fresh loads of `address`.
async function readyTimes(browser, address) {
  const times = [];
  for (let i = 0; i < LOADS; ++i) {
    // A new URL each time, so that every load compiles the module afresh
    // rather than from the previous load's memory cache.
    await browser.go("about:blank");
    await browser.go(address.replace("#", `?load=${i}#`));
    await waitReady(browser);
    times.push(await browser.run("return performance.getEntriesByName('ready')[0].startTime"));
    if (i === 0) await browser.run("return navigator.serviceWorker.ready.then(() => undefined)");
  }
  const first = times.shift();
  times.sort((a, b) => a - b);
  const median = times[Math.floor(times.length / 2)];
  return `first load ${first.toFixed(1)} ms; the ${times.length} loads after it, from the ` +
    `service worker: median ${median.toFixed(1)} ms ` +
    `(${times[0].toFixed(1)} to ${times[times.length - 1].toFixed(1)} ms)`;
}

// The workbench as the README shows it: a filled-in drive, on a wide screen,
// and on a phone after a tap on the pinned summary, which goes to the results.
const pictured = "micropassi=16&puleggia-asse=20&profilo-cinghia=GT2&firmware=klipper";
const pictureScreens = [
  { width: 1280, height: 800, mobile: false },
  { width: 375, height: 740, mobile: true },
];

async function takeWorkbenchPictures(browser, url, folder) {
  for (const screen of pictureScreens) {
    for (const scheme of ["light", "dark"]) {
      await browser.cdp("Emulation.setDeviceMetricsOverride",
        { width: screen.width, height: screen.height, deviceScaleFactor: 1, mobile: screen.mobile });
      await browser.cdp("Emulation.setEmulatedMedia",
        { features: [{ name: "prefers-color-scheme", value: scheme }] });
      await browser.go("about:blank");
      await browser.go(`${url}#banco?${pictured}`);
      await waitReady(browser);
      await browser.run(`if (arguments[0]) document.querySelector(".wb-summary").click();
        document.activeElement.blur();`, screen.mobile);
      const file = join(folder, `screenshot-web-banco-${screen.width}-${scheme}.png`);
      writeFileSync(file, Buffer.from(await browser.viewport(), "base64"));
    }
  }
}

// The mean time of a call of the module's evaluateWorkbench (the answers and
// the diagram) for the pictured drive, over 200 calls, in a module of its own
// in the page.
async function keystrokeCosts(browser, url) {
  await browser.go(`${url}#banco`);
  await waitReady(browser);
  return browser.run(`return cncCore().then((core) => {
    const mean = (call) => {
      const start = performance.now();
      for (let i = 0; i < 200; ++i) call();
      return (performance.now() - start) / 200;
    };
    const given = arguments[0];
    return mean(() => core.evaluateWorkbench(given, ",", "."));
  });`, pictured);
}

const server = await serve(webDir);
const english = await openBrowser("en-US");
try {
  console.log(`navigation to ready, the workbench in English: ` +
    `${await readyTimes(english, `${server.url}#banco`)}`);
} finally {
  await english.close();
}
const browser = await openBrowser("it-IT");
try {
  console.log(`navigation to ready, the classic window: ` +
    `${await readyTimes(browser, `${server.url}#finestra`)}`);
  if (screenshot) {
    await browser.go(`${server.url}#finestra`);
    await waitReady(browser);
    // The window's size as the README's picture of it shows it, no focus.
    await browser.run(`document.activeElement.blur();
      Object.assign(document.getElementById("main").style, { width: "657px", height: "409px" });`);
    const [main] = await browser.find("#main");
    writeFileSync(screenshot, Buffer.from(await browser.screenshot(main), "base64"));
    await takeWorkbenchPictures(browser, server.url, dirname(screenshot));
  }
  const costs = await keystrokeCosts(browser, server.url);
  console.log(`a keystroke in the workbench: its answers and diagram ${costs.toFixed(2)} ms ` +
    `(mean over 200 calls)`);
} finally {
  await browser.close();
  await server.close();
}
