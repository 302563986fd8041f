// SPDX-License-Identifier: GPL-3.0-or-later
// The page in headless Chromium against the command line: every case is typed
// and clicked for real, each control found by its accessible name alone, and
// the page must show what cnc-axis-calc-cli prints for the same entries, in
// English and in Italian. On screens from a phone's to a wide one, the window
// must fit the screen's width and still calculate. The workbench (#banco),
// opened at an address, must show the command line's lines for its options,
// answer as the user types and fit a phone's screen too; it speaks the
// language of the link, the menu or the browser, and its menu switches it at
// once.
//
// node --test web/tests/page_test.mjs, with CNC_PAGE_DIR (the page's folder) and
// CNC_CLI (the command line). Exits 77, which ctest reports as skipped, when
// the page or the browser is missing, unless CI is set.

import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync } from "node:fs";
import { join, resolve } from "node:path";
import { after, before, describe, test } from "node:test";

import { ELEMENT, chromedriver, chromium, openBrowser, serve, waitReady } from "./browser.mjs";

const webDir = resolve(process.env.CNC_PAGE_DIR ?? "build-web/page");
const cli = process.env.CNC_CLI ?? "build/bin/cnc-axis-calc-cli";
const missing = [join(webDir, "index.html"), chromium, chromedriver, cli].filter((f) => !existsSync(f));
if (missing.length > 0) {
  console.log(`missing: ${missing.join(", ")}`);
  process.exit(process.env.CI ? 1 : 77);
}

// Serves the page and opens a browser in `lang` before a group's tests, hands
// both to `ready`, and closes them after the group.
function pageServedIn(lang, ready) {
  let server;
  let browser;
  before(async () => {
    server = await serve(webDir);
    browser = await openBrowser(lang);
    await ready(server, browser);
  });
  after(async () => {
    await browser?.close();
    await server?.close();
  });
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

// What the command line prints for `args`: {lines: [stdout's lines], error:
// stderr's message}.
function runCommandLine(args, lang) {
  const env = { PATH: process.env.PATH, LANG: lang === "it-IT" ? "it_IT.UTF-8" : "C" };
  let stdout = "";
  let error = "";
  try {
    stdout = execFileSync(cli, args, { env, encoding: "utf8", stdio: ["ignore", "pipe", "pipe"] });
  } catch (failure) {
    stdout = failure.stdout;
    error = failure.stderr.trim();
  }
  return { lines: stdout.trim().split("\n").filter(Boolean), error };
}

// What the command line prints: {results: {caption: text}, error: message}.
function commandLine(c, lang) {
  const args = Object.entries(c.entries ?? {}).map(([k, v]) => `${cliOptions[k]}=${v}`);
  for (const choice of [c.stepping, c.coupling]) if (choice) args.push(cliOptions[choice]);
  const { lines, error } = runCommandLine(args, lang);
  const results = {};
  for (const line of lines) {
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

    pageServedIn(lang, async (s, b) => {
      [server, browser] = [s, b];
      await open();
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

  pageServedIn("it-IT", (s, b) => { [server, browser] = [s, b]; });

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

// The workbench, opened at an address: each result field, found by its
// accessible name, holds what the command line prints for the address's
// options, and the firmware's lines are the last `firmwareLines` lines it
// prints.
const drives = [
  { name: "GT2 belt, 20 teeth, 1/16, Klipper", firmwareLines: 4,
    address: "micropassi=16&puleggia-asse=20&profilo-cinghia=GT2&firmware=klipper" },
  { name: "router: screw of 5 mm, 20:60 pulleys, Grbl", firmwareLines: 1,
    address: "micropassi=8&passo-vite=5&ingranaggi&motore=20&vite=60&cinta=200&firmware=grbl" },
  { name: "0.9° motor, Marlin, Z", firmwareLines: 1,
    address: "angolo-passo=0.9&micropassi=16&passo-vite=8&firmware=marlin&asse=Z" },
  { name: "T8x8 on Z: pitch 2, 4 starts, layer and speed, RepRapFirmware", firmwareLines: 1,
    address: "micropassi=16&passo-vite=2&principi=4&strato=0.2&velocita=50" +
      "&firmware=reprapfirmware&asse=Z" },
  { name: "ACME 1/2\"-10, an inch machine, LinuxCNC", firmwareLines: 2,
    address: "micropassi=8&filetti-pollice=10&pollici&firmware=linuxcnc" },
];

// "passo-vite=5&ingranaggi" -> ["--passo-vite=5", "--ingranaggi"]
const argumentsOf = (address) => address.split("&").filter(Boolean)
  .map((pair) => `--${decodeURIComponent(pair)}`);

// A text of an input that cannot be used, marked beside it; the results it
// does not stop are still shown.
const marked = [
  { address: "micropassi=300&passo-vite=8", input: "Micropassi", message: /da 1 a 256/,
    results: 0 },
  { address: "micropassi=1&passo-vite=400&firmware=reprapfirmware&asse=X", input: "Firmware",
    message: /RepRapFirmware porta a 1/, results: 3 },
];

for (const lang of ["en", "it-IT"]) {
  describe(`the workbench in ${lang}`, () => {
    let server;
    let browser;

    pageServedIn(lang, (s, b) => { [server, browser] = [s, b]; });

    async function open(hash) {
      await browser.go("about:blank");
      await browser.go(`${server.url}${hash}`);
      await waitReady(browser);
    }
    // "role name" -> element id, for every control of the workbench.
    async function controls() {
      const found = new Map();
      for (const id of await browser.find(".workbench :is(input, select, textarea, button)")) {
        if (await browser.displayed(id)) found.set(`${await browser.role(id)} ${await browser.label(id)}`, id);
      }
      return found;
    }
    const named = (found, role, name) => {
      assert.ok(found.has(`${role} ${name}`), `no ${role} named «${name}»`);
      return found.get(`${role} ${name}`);
    };
    // What the page shows: {name: value} of every result and input.
    async function shown() {
      const values = {};
      for (const [key, id] of await controls()) values[key] = await browser.value(id);
      return values;
    }
    async function agreesWithTheCommandLine(address, firmwareLines) {
      const { lines } = runCommandLine(argumentsOf(address), lang);
      const found = await controls();
      const firmware = await browser.value(named(found, "textbox", "Righe per il firmware"));
      assert.deepEqual(firmware ? firmware.split("\n") : [], lines.slice(lines.length - firmwareLines));
      const results = lines.slice(0, lines.length - firmwareLines);
      assert.ok(results.length >= 2, results.join("\n"));
      for (const line of results) {
        const at = line.indexOf(": ");
        assert.equal(await browser.value(named(found, "textbox", line.slice(0, at))),
          line.slice(at + 2));
      }
      const readOnly = await browser.run(
        "return document.querySelectorAll('.wb-results input[readonly]').length");
      assert.equal(readOnly, results.length, "result fields");
    }

    for (const d of drives) {
      test(`agrees with the command line: ${d.name}`, async () => {
        await open(`#banco?${d.address}`);
        assert.equal(await browser.run("return document.title"), "Banco dell'asse");
        assert.equal(await browser.displayed((await browser.find("#main"))[0]), false);
        await agreesWithTheCommandLine(d.address, d.firmwareLines);
      });
    }

    test("typing answers at once, and the address it gives reopens the same", async () => {
      await open(`#banco?${drives[0].address}`);
      const teeth = named(await controls(), "textbox", "Denti della puleggia dell'asse");
      await browser.clear(teeth);
      await browser.type(teeth, "36");
      const hash = await browser.run("return location.hash");
      assert.match(hash, /^#banco\?.*puleggia-asse=36(&|$)/);
      await agreesWithTheCommandLine(hash.slice("#banco?".length), drives[0].firmwareLines);
      const before = await shown();
      await open(hash);
      assert.deepEqual(await shown(), before);
    });

    test("«Viti comuni» fills the screw, and is offered only with a screw", async () => {
      await open(`#banco?${drives[0].address}`);
      assert.equal(await browser.displayed((await browser.find("#wb-viti-comuni"))[0]), false);
      await open(`#banco?${drives[2].address}`);
      for (const id of await browser.find(".workbench option")) {
        if (await browser.text(id) === "Vite a ricircolo 1605") await browser.click(id);
      }
      const after = await controls();
      assert.equal(await browser.value(named(after, "textbox", "Passo della vite (mm)")), "5");
      assert.match(await browser.run("return location.hash"), /passo-vite=5(&|$)/);
    });

    for (const m of marked) {
      test(`marks «${m.input}» beside it: ${m.address}`, async () => {
        await open(`#banco?${m.address}`);
        const found = await controls();
        const input = [...found].find(([key]) => key.endsWith(` ${m.input}`))[1];
        const message = await browser.run(`const ids = arguments[0].getAttribute("aria-describedby");
          return ids.split(" ").map((id) => document.getElementById(id))
            .filter((e) => e.getAttribute("role") === "status").map((e) => e.textContent).join("");`,
        { [ELEMENT]: input });
        assert.match(message, m.message);
        assert.equal(await browser.run(
          "return document.querySelectorAll('.wb-results input[readonly]').length"), m.results);
      });
    }

    test("a link with an option that is not the workbench's opens it as it starts, and says so",
      async () => {
        await open("#banco?micropassi=32&velocita-luce=1");
        assert.equal(await browser.value(named(await controls(), "textbox", "Micropassi")), "16");
        assert.match(await browser.run(
          "return document.querySelector('.wb-answers > [role=status]').textContent"),
        /opzioni che il banco non ha, «micropassi=32&velocita-luce=1»/);
      });

    test("«Copia» puts the firmware's lines on the clipboard", async () => {
      await open(`#banco?${drives[0].address}`);
      await browser.cdp("Browser.grantPermissions", { origin: server.url.replace(/\/$/, ""),
        permissions: ["clipboardReadWrite", "clipboardSanitizedWrite"] });
      const found = await controls();
      await browser.click(named(found, "button", "Copia"));
      assert.equal(await browser.run("return navigator.clipboard.readText()"),
        await browser.value(named(found, "textbox", "Righe per il firmware")));
    });

    test("without #banco the window is back, and no workbench was built before", async () => {
      await open("");
      assert.deepEqual(await browser.find(".workbench"), []);
      for (const hash of ["#banco", ""]) {
        await browser.run(`return new Promise((done) => {
          window.addEventListener("hashchange", () => done(), { once: true });
          location.hash = arguments[0]; });`, hash);
      }
      assert.equal(await browser.displayed((await browser.find("#main"))[0]), true);
      assert.equal(await browser.displayed((await browser.find(".workbench"))[0]), false);
      assert.equal(await browser.run("return document.title"), "Menu' principale");
    });
  });
}

// The workbench on a phone, one column, and on a wide screen, inputs beside
// the results: never wider than the screen.
const workbenchScreens = [
  { name: "a small phone", width: 360, height: 640, columns: 1 },
  { name: "a wide screen", width: 1024, height: 768, columns: 2 },
];

describe("the workbench on screens of every width", () => {
  let server;
  let browser;

  pageServedIn("it-IT", (s, b) => { [server, browser] = [s, b]; });

  for (const s of workbenchScreens) {
    test(`${s.name}, ${s.width} x ${s.height}`, async () => {
      await browser.cdp("Emulation.setDeviceMetricsOverride",
        { width: s.width, height: s.height, deviceScaleFactor: 0, mobile: s.width < 800 });
      await browser.go(`${server.url}#banco?${drives[1].address}`);
      await waitReady(browser);
      const page = await browser.run(`
        const page = document.documentElement;
        const inputs = document.querySelector(".wb-inputs").getBoundingClientRect();
        const answers = document.querySelector(".wb-answers").getBoundingClientRect();
        return { width: page.clientWidth, scrollWidth: page.scrollWidth,
          columns: answers.left >= inputs.right ? 2 : answers.top >= inputs.bottom ? 1 : 0,
          outside: [...document.querySelectorAll(
            ".workbench :is(input, select, textarea, button, label, legend, small)")]
            .filter((e) => { const r = e.getBoundingClientRect();
              return r.width > 0 && (r.left < 0 || r.right > page.clientWidth); })
            .map((e) => e.id || e.textContent) };`);
      assert.ok(page.scrollWidth <= page.width, `scrolls sideways to ${page.scrollWidth}`);
      assert.deepEqual(page.outside, []);
      assert.equal(page.columns, s.columns);
    });
  }
});

// The workbench's language: a link's lingua=, else the one picked from the
// menu before, else the first of the browser's that the page has, else
// English. The workbench is then that language's (the menu's own label shows
// which); a link's other options still apply.
const languages = [
  { browser: "de-DE", hash: "#banco", language: "de", label: "Sprache" },
  { browser: "pt-BR", hash: "#banco", language: "en", label: "Language" },
  { browser: "it-IT", hash: "#banco", language: "it", label: "Lingua" },
  { browser: "fr-FR", hash: "#banco?lingua=es&micropassi=32", language: "es", label: "Idioma",
    micropassi: "32" },
];

// {language, label, lang, micropassi, general, hash, focused} of the workbench shown.
async function workbenchLanguage(browser) {
  const [menu] = await browser.find("#wb-lingua");
  return {
    label: await browser.label(menu),
    ...await browser.run(`const menu = document.getElementById("wb-lingua");
      return { language: menu.value, lang: document.querySelector(".workbench").lang,
        micropassi: document.getElementById("wb-micropassi").value,
        general: document.querySelector(".wb-answers > [role=status]").textContent,
        hash: location.hash, focused: document.activeElement === menu };`),
  };
}

for (const l of languages) {
  describe(`the workbench's language, a ${l.browser} browser at ${l.hash}`, () => {
    let server;
    let browser;
    pageServedIn(l.browser, (s, b) => { [server, browser] = [s, b]; });

    test(`speaks ${l.language}`, async () => {
      await browser.go(`${server.url}${l.hash}`);
      await waitReady(browser);
      const shown = await workbenchLanguage(browser);
      assert.deepEqual([shown.language, shown.lang, shown.label, shown.general],
        [l.language, l.language, l.label, ""]);
      if (l.micropassi) {
        assert.equal(shown.micropassi, l.micropassi);
        assert.match(shown.hash, new RegExp(`^#banco\\?lingua=${l.language}&`));
      }
    });
  });
}

describe("the workbench's language menu", () => {
  let server;
  let browser;
  pageServedIn("de-DE", (s, b) => { [server, browser] = [s, b]; });

  async function choose(language, label) {
    const [option] = await browser.find(`#wb-lingua option[value="${language}"]`);
    await browser.click(option);
    for (let i = 0; i < 200 && (await workbenchLanguage(browser)).label !== label; ++i) {
      await new Promise((r) => setTimeout(r, 25));
    }
    return workbenchLanguage(browser);
  }

  test("switches at once, keeps what was typed, and is remembered; a link's language wins",
    async () => {
      await browser.go(`${server.url}#banco?${drives[0].address}`);
      await waitReady(browser);
      const [teeth] = await browser.find("#wb-puleggia-asse");
      await browser.clear(teeth);
      await browser.type(teeth, "36");
      const english = await choose("en", "Language");
      assert.deepEqual([english.language, english.lang, english.focused], ["en", "en", true]);
      assert.equal(await browser.value((await browser.find("#wb-puleggia-asse"))[0]), "36");
      assert.match(english.hash, /^#banco\?.*puleggia-asse=36(&|$)/);

      await browser.go("about:blank");
      await browser.go(`${server.url}#banco`);
      await waitReady(browser);
      assert.equal((await workbenchLanguage(browser)).label, "Language");

      await browser.go("about:blank");
      await browser.go(`${server.url}#banco?lingua=fr&micropassi=32`);
      await waitReady(browser);
      assert.equal((await workbenchLanguage(browser)).label, "Langue");
      const spanish = await choose("es", "Idioma");
      assert.match(spanish.hash, /^#banco\?lingua=es&.*micropassi=32(&|$)/);
    });
});
