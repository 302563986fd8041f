// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's view of the page (#macchina) in headless Chromium against
// the command line: the printer opened from its file and from a link shows
// the block `cnc-axis-calc-cli --macchina` prints, each axis's results its
// lines, a file that is no machine leaves the view as it was and says why,
// and the address the view writes opens the same machine again.
//
// node --test web/tests/machine_test.mjs, with CNC_PAGE_DIR and CNC_CLI as
// page_test.mjs has them; skipped (77) where the page or the browser is
// missing, unless CI is set.

import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync, mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { after, before, describe, test } from "node:test";

import { chromedriver, chromium, openBrowser, serve, waitReady } from "./browser.mjs";

const webDir = resolve(process.env.CNC_PAGE_DIR ?? "build-web/page");
const cli = process.env.CNC_CLI ?? "build/bin/cnc-axis-calc-cli";
const printer = fileURLToPath(new URL("../../docs/machines/printer.toml", import.meta.url));
const missing = [join(webDir, "index.html"), chromium, chromedriver, cli].filter((f) => !existsSync(f));
if (missing.length > 0) {
  console.log(`missing: ${missing.join(", ")}`);
  process.exit(process.env.CI ? 1 : 77);
}

// What the command line prints for the printer: {results: {"E Step/mm": ...}, block: [lines]}.
function commandLine(firmware) {
  const printed = execFileSync(cli, ["--macchina", printer, "--firmware", firmware],
    { env: { PATH: process.env.PATH, LANG: "it_IT.UTF-8" }, encoding: "utf8" });
  const lines = printed.replace(/\n$/, "").split("\n");
  const results = {};
  const block = [];
  for (const line of lines) {
    const at = /^[XYZEABC] [^:]+: /.exec(line);
    if (at) results[line.slice(0, at[0].length - 2)] = line.slice(at[0].length);
    else block.push(line);
  }
  return { results, block };
}

let scratch;

// What the command line says of a file in the scratch folder that it refuses.
function refusal(name) {
  try {
    execFileSync(cli, ["--macchina", name], { cwd: scratch, stdio: "pipe", encoding: "utf8",
      env: { PATH: process.env.PATH, LANG: "it_IT.UTF-8" } });
  } catch (failed) {
    return failed.stderr.trim();
  }
  return "";
}

// The printer's link, as a user would write it.
const printerLink = "firmware=marlin&X.angolo-passo=0.9&X.micropassi=16&X.puleggia-asse=20" +
  "&X.profilo-cinghia=GT2&Y.angolo-passo=0.9&Y.micropassi=16&Y.puleggia-asse=20" +
  "&Y.profilo-cinghia=GT2&Z.micropassi=16&Z.passo-vite=8&E.micropassi=16&E.rapporto=50%3A17" +
  "&E.diametro-ruota=7.3";

describe("the machine", () => {
  let server;
  let browser;
  before(async () => {
    server = await serve(webDir);
    browser = await openBrowser("it-IT");
    scratch = mkdtempSync(join(tmpdir(), "cnc-machine-"));
  });
  after(async () => {
    await browser?.close();
    await server?.close();
    rmSync(scratch, { recursive: true, force: true });
  });

  async function open(hash) {
    await browser.go("about:blank");
    await browser.go(`${server.url}${hash}`);
    await waitReady(browser);
  }
  // {tabs, block, message, results of each axis}, as the view shows them.
  async function shown() {
    const tabs = [];
    for (const id of await browser.find(".machine [role=tab]")) tabs.push(await browser.label(id));
    const results = {};
    // Each tab chosen builds the tabs again.
    for (let i = 0; i < tabs.length; ++i) {
      await browser.click((await browser.find(".machine [role=tab]"))[i]);
      for (const field of await browser.find(".machine .wb-results input")) {
        results[`${tabs[i]} ${await browser.label(field)}`] = await browser.value(field);
      }
    }
    const [block] = await browser.find(".machine textarea");
    return {
      tabs, results, block: (await browser.value(block)).split("\n"),
      message: await browser.run("return document.querySelector('.mc-machine [role=status]').textContent"),
    };
  }
  async function openFile(path) {
    const [input] = await browser.find("#mc-apri");
    await browser.type(input, path);
  }
  const waitFor = async (condition, what) => {
    for (let i = 0; i < 200; ++i) {
      if (await condition()) return;
      await new Promise((r) => setTimeout(r, 25));
    }
    assert.fail(`never: ${what}`);
  };

  test("the start and the workbench lead to it", async () => {
    await open("");
    for (const [from, name] of [[".start", "Macchina"], [".machine", "Banco dell'asse"],
      [".workbench:not(.machine)", "Macchina"]]) {
      const links = await browser.find(`${from} a`);
      const labels = await Promise.all(links.map((id) => browser.label(id)));
      assert.ok(labels.includes(name), `${from}: ${labels}`);
      await browser.click(links[labels.indexOf(name)]);
      await waitFor(async () => (await browser.find(name === "Macchina" ? ".machine" : ".workbench"))
        .length > 0, name);
    }
    assert.equal(await browser.run("return location.hash.startsWith('#macchina?')"), true);
  });

  test("a link's printer shows the command line's block and results", async () => {
    await open(`#macchina?${printerLink}`);
    const expected = commandLine("marlin");
    const view = await shown();
    assert.deepEqual(view.tabs, ["X", "Y", "Z", "E"]);
    assert.deepEqual(view.block, expected.block);
    assert.deepEqual(view.results, expected.results);
  });

  test("an axis in inches names its speed and layer in inches, the others in mm", async () => {
    await open("#macchina?X.pollici&X.passo-vite=0.2&Y.passo-vite=8");
    const labels = async () => browser.run(`return [...document.querySelectorAll(".machine label")]
      .map((label) => label.textContent)`);
    assert.ok((await labels()).includes("Velocità (pollici/s)"));
    await browser.click((await browser.find(".machine [role=tab]"))[1]);
    await waitFor(async () => (await labels()).includes("Velocità (mm/s)"), "the Y axis in mm");
  });

  test("a file opens, a bad one keeps the view, and the address opens it again", async () => {
    await open("#macchina");
    await openFile(printer);
    const expected = commandLine("klipper");
    await waitFor(async () => (await browser.find(".machine [role=tab]")).length === 4, "four axes");
    const opened = await shown();
    assert.deepEqual(opened.block, expected.block);
    assert.deepEqual(opened.results, expected.results);

    const broken = join(scratch, "rotta.toml");
    writeFileSync(broken, "firmware = \"marlin\"\n[asse.X]\nmicropassi = \n");
    await openFile(broken);
    await waitFor(async () => (await shown()).message !== "", "the file's problem said");
    const after = await shown();
    assert.match(after.message, /^rotta\.toml:3:\d+: /);
    assert.deepEqual({ ...after, message: "" }, { ...opened, message: "" });

    // A number beyond a double: the page's reader refuses it as the command line does.
    writeFileSync(join(scratch, "oltre.toml"), "[asse.Z]\npasso-vite = 1e400\n");
    await openFile(join(scratch, "oltre.toml"));
    await waitFor(async () => (await shown()).message !== after.message, "the number refused");
    assert.equal((await shown()).message, refusal("oltre.toml"));

    const hash = await browser.run("return location.hash");
    await open(hash);
    assert.deepEqual(await shown(), { ...opened, message: "" });
  });
});
