// SPDX-License-Identifier: GPL-3.0-or-later
// The page in headless Chromium against the command line: every case is typed
// and clicked for real, each control found by its accessible name alone, and
// the page must show what cnc-axis-calc-cli prints for the same entries, in
// English and in Italian. On screens from a phone's to a wide one, the window
// must fit the screen's width and still calculate.
//
// node --test web/tests/page_test.mjs, with CNC_PAGE_DIR (the page's folder) and
// CNC_CLI (the command line). Exits 77, which ctest reports as skipped, when
// the page or the browser is missing, unless CI is set.

import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync } from "node:fs";
import { join, resolve } from "node:path";
import { after, before, describe, test } from "node:test";

import { chromedriver, chromium, openBrowser, serve, waitReady } from "./browser.mjs";

const webDir = resolve(process.env.CNC_PAGE_DIR ?? "build-web/page");
const cli = process.env.CNC_CLI ?? "build/bin/cnc-axis-calc-cli";
const missing = [join(webDir, "index.html"), chromium, chromedriver, cli].filter((f) => !existsSync(f));
if (missing.length > 0) {
  console.log(`missing: ${missing.join(", ")}`);
  process.exit(process.env.CI ? 1 : 77);
}

const ENTER = "\uE007";
const ESCAPE = "\uE00C";

// Entries as the user types them; the choices by their captions.
const cases = [
  { name: "as the window opens" },
  { name: "full step, direct", stepping: "Passo intero" },
  { name: "half step, belt", coupling: "Accoppiamento con ingranaggi" },
  { name: "full step, belt, odd entries", stepping: "Passo intero",
    coupling: "Accoppiamento con ingranaggi",
    entries: { "Passi del motore": "400", "Passo della vite (mm)": "1.25", "Motore": "20",
      "Vite": "60", "Cinta": "200" } },
  { name: "pitch with many decimals", entries: { "Passo della vite (mm)": "3.14159" } },
  { name: "decimal comma",
    entries: { "Passo della vite (mm)": "2,54" } },
  { name: "the ambiguous point", entries: { "Passo della vite (mm)": "3.175" } },
  { name: "empty steps", entries: { "Passi del motore": "" } },
  { name: "zero pitch", entries: { "Passo della vite (mm)": "0" } },
  { name: "belt too short, after three results", coupling: "Accoppiamento con ingranaggi",
    entries: { "Cinta": "65" } },
  { name: "direct coupling, belt too short: no error", entries: { "Cinta": "65" } },
  { name: "Enter in an entry computes", enter: true, entries: { "Passi del motore": "3200" } },
];

const cliOptions = {
  "Passi del motore": "--passi", "Passo della vite (mm)": "--passo-vite", "Motore": "--motore",
  "Vite": "--vite", "Cinta": "--cinta", "Passo intero": "--passo-intero",
  "Mezzo passo": "--mezzo-passo", "Accoppiamento con ingranaggi": "--ingranaggi",
  "Accoppiamento diretto": "--diretto",
};

// What the command line prints: {results: {caption: text}, error: message}.
function commandLine(c, lang) {
  const args = Object.entries(c.entries ?? {}).map(([k, v]) => `${cliOptions[k]}=${v}`);
  for (const choice of [c.stepping, c.coupling]) if (choice) args.push(cliOptions[choice]);
  const env = { PATH: process.env.PATH, LANG: lang === "it-IT" ? "it_IT.UTF-8" : "C" };
  let stdout = "";
  let error = "";
  try {
    stdout = execFileSync(cli, args, { env, encoding: "utf8", stdio: ["ignore", "pipe", "pipe"] });
  } catch (failure) {
    stdout = failure.stdout;
    error = failure.stderr.trim();
  }
  const results = {};
  for (const line of stdout.trim().split("\n").filter(Boolean)) {
    const at = line.indexOf(": ");
    results[line.slice(0, at)] = line.slice(at + 2);
  }
  return { results, error };
}

const resultCaptions = ["Step/mm", "Risoluzione del passo (mm)", "Interasse"];

for (const lang of ["en", "it-IT"]) {
  describe(`the page in ${lang}`, () => {
    let server;
    let browser;
    let controls;  // "role name" -> element id

    // Every control by its computed role and accessible name, as a screen
    // reader finds it; hidden controls have no name, so with the belt groups
    // shown, and then hidden again as at start.
    async function findControls() {
      controls = new Map();
      const byName = async () => {
        for (const id of await browser.find("input, button")) {
          controls.set(`${await browser.role(id)} ${await browser.label(id)}`, id);
        }
      };
      await byName();
      await browser.click(control("radio", "Accoppiamento con ingranaggi"));
      await byName();
      await browser.click(control("radio", "Accoppiamento diretto"));
    }
    const control = (role, name) => {
      const id = controls.get(`${role} ${name}`);
      assert.ok(id, `no ${role} named «${name}»`);
      return id;
    };
    const field = (name) => control("textbox", name);

    async function open() {
      await browser.go(server.url);
      await waitReady(browser);
      await findControls();
    }

    before(async () => {
      server = await serve(webDir);
      browser = await openBrowser(lang);
      await open();
    });
    after(async () => {
      await browser?.close();
      await server?.close();
    });

    test("starts with the belt groups hidden and shows them with the belt coupling", async () => {
      for (const name of ["Motore", "Vite", "Cinta", "INTERASSE"]) {
        assert.equal(await browser.displayed(field(name)), false, name);
      }
      assert.equal(await browser.displayed(control("radio", "L (LEGGERA) P.9,525mm")), false);
      await browser.click(control("radio", "Accoppiamento con ingranaggi"));
      assert.equal(await browser.displayed(field("Cinta")), true);
      assert.equal(await browser.displayed(control("radio", "L (LEGGERA) P.9,525mm")), true);
      await browser.click(control("radio", "Accoppiamento diretto"));
      assert.equal(await browser.displayed(field("Cinta")), false);
    });

    for (const c of cases) {
      test(`agrees with the command line: ${c.name}`, async () => {
        await open();
        // Fill the whole window first, so that every result is stale.
        await browser.click(control("button", "calcola"));
        const entries = Object.entries(c.entries ?? {});
        await browser.click(control("radio", "Accoppiamento con ingranaggi"));
        for (const [name, text] of entries) {
          await browser.clear(field(name));
          if (text && !c.enter) await browser.type(field(name), text);
        }
        await browser.click(control("radio", c.coupling ?? "Accoppiamento diretto"));
        await browser.click(control("radio", c.stepping ?? "Mezzo passo"));
        if (c.enter) {
          const [name, text] = entries[0];
          await browser.type(field(name), text + ENTER);
        } else {
          await browser.click(control("button", "calcola"));
        }

        const expected = commandLine(c, lang);
        const [dialog] = await browser.find("dialog");
        assert.equal(await browser.displayed(dialog), Boolean(expected.error));
        if (expected.error) {
          assert.equal(await browser.role(dialog), "alertdialog");
          assert.equal(await browser.label(dialog), "Errore di calcolo");
          assert.equal(await browser.text(await browser.find("#error-message")
            .then((ids) => ids[0])), expected.error);
          await browser.type(await browser.active(), ESCAPE);
          assert.equal(await browser.displayed(dialog), false);
        }
        for (const caption of resultCaptions) {
          assert.equal(await browser.value(field(caption)), expected.results[caption] ?? "",
            caption);
        }
        const shown = expected.results.Interasse;
        assert.equal(await browser.value(field("INTERASSE")), shown ? shown.replace(/ mm$/, "") : "");
      });
    }

    test("after a failed click the focus is back in the field at fault", async () => {
      await open();
      await browser.click(control("radio", "Accoppiamento con ingranaggi"));
      await browser.clear(field("Cinta"));
      await browser.type(field("Cinta"), "abc");
      await browser.click(control("button", "calcola"));
      await browser.click(await browser.find("#error-ok").then((ids) => ids[0]));
      // The dialog's close event, which moves the focus, comes as a task of
      // its own after the click: wait for it a little.
      let focused;
      for (let tries = 0; tries < 40 && focused !== "Cinta"; ++tries) {
        if (tries) await new Promise((resolve) => setTimeout(resolve, 25));
        focused = await browser.label(await browser.active());
      }
      assert.equal(focused, "Cinta");
    });

    test("Fine lavoro ends the work with one Italian line", async () => {
      await open();
      await browser.click(control("button", "Fine lavoro"));
      assert.deepEqual(await browser.find("#main"), []);
      assert.match(await browser.run("return document.body.innerText"), /Lavoro terminato/);
    });
  });
}

// Screens narrower than the window (657 x 409 pixels), phones', and a wide
// one: a narrow screen shows the window shrunk as a whole to its width, by
// `scale`, a wide one as it is. The boxes are two controls as the layout
// places them at full size, [left, top, right, bottom] in CSS pixels; each
// screen shows them times its scale.
const screens = [
  { name: "a small phone", width: 360, height: 640, scale: 360 / 657 },
  { name: "a large phone", width: 400, height: 800, scale: 400 / 657 },
  { name: "a phone held sideways, lower than the window", width: 360, height: 200,
    scale: 360 / 657 },
  { name: "a wide screen", width: 800, height: 600, scale: 1 },
];
const fullSizeBoxes = {
  Frame4: [408, 72, 649, 241],
  Command1: [24, 368, 121, 401],
};

describe("the page on screens of every width", () => {
  let server;
  let browser;

  before(async () => {
    server = await serve(webDir);
    browser = await openBrowser("it-IT");
  });
  after(async () => {
    await browser?.close();
    await server?.close();
  });

  // The input or button with that accessible name.
  async function named(name) {
    for (const id of await browser.find("#main input, #main button")) {
      if (await browser.label(id) === name) return id;
    }
    assert.fail(`nothing named «${name}»`);
  }

  for (const s of screens) {
    test(`${s.name}, ${s.width} x ${s.height}`, async () => {
      await browser.cdp("Emulation.setDeviceMetricsOverride",
        { width: s.width, height: s.height, deviceScaleFactor: 0, mobile: s.width < 800 });
      await browser.go(server.url);
      await waitReady(browser);
      // The belt groups shown: the window at its widest.
      await browser.click(await named("Accoppiamento con ingranaggi"));
      const page = await browser.run(`
        const page = document.documentElement;
        const box = (e) => { const r = e.getBoundingClientRect();
          return [r.left, r.top, r.right, r.bottom]; };
        return { width: page.clientWidth, scrollWidth: page.scrollWidth,
          scrollHeight: page.scrollHeight, main: box(document.getElementById("main")),
          outside: [...document.querySelectorAll("#main *")].filter((e) => {
            const r = e.getBoundingClientRect();
            return r.width > 0 && (r.left < 0 || r.right > page.clientWidth);
          }).map((e) => e.id || e.className),
          boxes: Object.fromEntries(${JSON.stringify(Object.keys(fullSizeBoxes))}
            .map((id) => [id, box(document.getElementById(id))])) };`);
      const near = (actual, expected, what) => assert.ok(
        actual.every((v, i) => Math.abs(v - expected[i]) < 0.5),
        `${what} at ${actual}, not ${expected}`);
      assert.equal(page.width, s.width);
      assert.ok(page.scrollWidth <= s.width, `scrolls sideways to ${page.scrollWidth}`);
      assert.deepEqual(page.outside, []);
      near(page.main, [0, 0, s.width, Math.max(s.height, 409 * s.scale)], "the window");
      assert.ok(Math.abs(page.scrollHeight - page.main[3]) < 1, `scrolls to ${page.scrollHeight}`);
      for (const [id, full] of Object.entries(fullSizeBoxes)) {
        near(page.boxes[id], full.map((v) => v * s.scale), id);
      }
      await browser.click(await named("calcola"));
      const expected = commandLine({ coupling: "Accoppiamento con ingranaggi" }, "it-IT");
      assert.equal(await browser.value(await named("Step/mm")), expected.results["Step/mm"]);
    });
  }
});
