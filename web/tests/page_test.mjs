// SPDX-License-Identifier: GPL-3.0-or-later
// The page in headless Chromium against the command line: every case is typed
// and clicked for real, each control found by its accessible name alone, and
// the page must show what cnc-axis-calc-cli prints for the same entries, in
// English and in Italian. On screens from a phone's to a wide one, the window
// must fit the screen's width and still calculate. The workbench (#banco),
// opened at an address, must show the command line's lines for its options,
// answer as the user types, its drive's diagram too, and fit a phone's screen,
// keeping its key results in view there. The page opens on a start that leads
// to both views (#finestra is the window, exactly as its picture), reads in
// light and dark, opens offline after one visit, and from a file says how to
// serve it; the workbench speaks the language of the link, the menu or the
// browser, and its menu switches it at once.
//
// node --test web/tests/page_test.mjs, with CNC_PAGE_DIR (the page's folder) and
// CNC_CLI (the command line). Exits 77, which ctest reports as skipped, when
// the page or the browser is missing, unless CI is set.

import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync, readFileSync } from "node:fs";
import { join, resolve } from "node:path";
import { gunzipSync } from "node:zlib";
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

// What the command line prints for `args` in the locale `lang` (LANG):
// {lines: [stdout's lines], error: stderr's message}.
function runCommandLine(args, lang) {
  const env = { PATH: process.env.PATH, LANG: lang };
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
  // The window speaks Italian in every language; its separator follows.
  const { lines, error } = runCommandLine(args, lang === "it-IT" ? "it_IT.UTF-8" : "C");
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
      await browser.go("about:blank");
      await browser.go(`${server.url}#finestra`);
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

    // Separators kept from an earlier visit serve only the language and the
    // browser they were found for; fake ones show which were used.
    test("reads back the separators kept for its language and browser only", async () => {
      const theirs = lang === "it-IT" ? "," : ".";
      for (const [forThisBrowser, decimal] of [[true, "?"], [false, theirs]]) {
        await browser.run(`localStorage.setItem("cnc-axis-calc.separatori", JSON.stringify({
          asked: arguments[0] ? navigator.language + " " + navigator.userAgent : "xx yy",
          decimal: "?", group: "!" }))`, forThisBrowser);
        await open();
        await browser.clear(field("Passo della vite (mm)"));
        await browser.type(field("Passo della vite (mm)"), "3");
        await browser.click(control("button", "calcola"));
        assert.match(await browser.value(field("Step/mm")), new RegExp(`^\\d+\\${decimal}\\d+$`));
      }
      await browser.run(`localStorage.removeItem("cnc-axis-calc.separatori")`);
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
      await browser.go(`${server.url}#finestra`);
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
  { name: "an inch machine's layer and speeds, asked in inches", firmwareLines: 2,
    address: "micropassi=8&filetti-pollice=10&pollici&strato=0.008&velocita=1.5" +
      "&frequenza-max=40&firmware=linuxcnc",
    inputs: { en: ["Layer height (in)", "Speed (in/s)"],
      "it-IT": ["Altezza dello strato (pollici)", "Velocità (pollici/s)"] } },
  { name: "no belt, no centre distance", firmwareLines: 0, address: "micropassi=16&passo-vite=8" },
  { name: "a speed linked in Italian", firmwareLines: 0,
    address: "micropassi=16&passo-vite=8&velocita=30,5" },
  { name: "a speed linked with a point", firmwareLines: 0,
    address: "micropassi=16&passo-vite=8&velocita=30.5" },
  { name: "extruder: 50:17 on a 7.3 mm wheel, Klipper", firmwareLines: 5,
    address: "micropassi=16&diametro-ruota=7.3&rapporto=50%3A17&firmware=klipper&asse=E" },
  { name: "rack of module 1.5, 20-tooth pinion, LinuxCNC", firmwareLines: 2,
    address: "micropassi=8&denti-pignone=20&modulo=1.5&firmware=linuxcnc&asse=Y" },
  { name: "rack by its pitch, grblHAL", firmwareLines: 1,
    address: "denti-pignone=25&passo-cremagliera=5&firmware=grblhal" },
  { name: "known steps per mm, to Klipper", firmwareLines: 4,
    address: "micropassi=16&step-mm=93&firmware=klipper&asse=E" },
  { name: "rotary A on 90:1, RepRapFirmware", firmwareLines: 1,
    address: "micropassi=16&rotativo&rapporto=90%3A1&firmware=reprapfirmware&asse=A" },
];

// "passo-vite=2.5&ingranaggi" -> ["--passo-vite=2,5", "--ingranaggi"] in Italian: a
// link's numbers are read with the reader's separator (no other text here
// has a point or a comma).
const argumentsOf = (address, lang = "en") => address.split("&").filter(Boolean)
  .map((pair) => `--${decodeURIComponent(pair).replace(/[.,]/g, lang === "it-IT" ? "," : ".")}`);

// A text of an input that cannot be used, marked beside it in each
// language; the results it does not stop are still shown.
const marked = [
  { address: "micropassi=300&passo-vite=8", input: "Micropassi",
    message: { "it-IT": /da 1 a 256/, en: /from 1 to 256/ }, results: 0 },
  { address: "micropassi=1&passo-vite=400&firmware=reprapfirmware&asse=X", input: "Firmware",
    message: { "it-IT": /RepRapFirmware porta a 1/, en: /RepRapFirmware raises/ }, results: 2 },
  { address: "micropassi=16&passo-vite=8&firmware=grbl&asse=A", input: "Asse",
    message: { "it-IT": /grbl non ha righe per l'asse A/, en: /grbl has no lines for the axis A/ },
    results: 2 },
  { address: "micropassi=16&passo-vite=8&frequenza-max=0", input: "Frequenza massima dei passi (kHz)",
    message: { "it-IT": /^Argomento non valido: «Frequenza massima dei passi \(kHz\)» vuole/,
      en: /^Invalid argument: “Maximum step rate \(kHz\)” wants/ }, results: 2 },
];

// The eight hex digits of the 32-bit FNV-1a hash of a text's UTF-8 bytes,
// by which the page's catalogues name each message (page_catalogue.py).
function digestOf(text) {
  let hash = 0x811c9dc5;
  for (const byte of Buffer.from(text, "utf8")) hash = Math.imul(hash ^ byte, 0x01000193) >>> 0;
  return hash.toString(16).padStart(8, "0");
}

// The catalogue the page fetches for `language`, read as the module reads it
// (a gzipped .mo file): the digest of an Italian text -> its translation.
function catalogueOf(language) {
  const mo = gunzipSync(readFileSync(join(webDir, "locale", `${language}.mo.gz`)));
  const word = (at) => mo.readUInt32LE(at);
  const text = (table, i) => {
    const at = word(table + 8 * i + 4);
    return mo.toString("utf8", at, at + word(table + 8 * i));
  };
  const texts = new Map();
  for (let i = 0; i < word(8); ++i) texts.set(text(word(12), i), text(word(16), i));
  return texts;
}

for (const lang of ["en", "it-IT"]) {
  describe(`the workbench in ${lang}`, () => {
    let server;
    let browser;

    pageServedIn(lang, (s, b) => { [server, browser] = [s, b]; });
    // The workbench and the command line speak the browser's language, the
    // labels looked for are the Italian ones in it.
    const locale = lang === "it-IT" ? "it_IT.UTF-8" : "en_US.UTF-8";
    const catalogue = lang === "it-IT" ? new Map() : catalogueOf("en");
    const said = (italian) => catalogue.get(digestOf(italian)) ?? italian;

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
      const { lines } = runCommandLine(argumentsOf(address, lang), locale);
      const found = await controls();
      // The lines' box is shown only while there are lines.
      const box = found.get(`textbox ${said("Righe per il firmware")}`);
      assert.equal(Boolean(box), firmwareLines > 0, "the firmware lines' box shown");
      const firmware = box ? await browser.value(box) : "";
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
        assert.equal(await browser.run("return document.title"), said("Banco dell'asse"));
        assert.equal(await browser.displayed((await browser.find("#main"))[0]), false);
        await agreesWithTheCommandLine(d.address, d.firmwareLines);
        const found = await controls();
        for (const input of d.inputs?.[lang] ?? []) named(found, "textbox", input);
      });
    }

    test("typing answers at once, and the address it gives reopens the same", async () => {
      await open(`#banco?${drives[0].address}`);
      const teeth = named(await controls(), "textbox", said("Denti della puleggia dell'asse"));
      await browser.clear(teeth);
      await browser.type(teeth, "36");
      const hash = await browser.run("return location.hash");
      assert.equal(hash, `#banco?${drives[0].address.replace("puleggia-asse=20", "puleggia-asse=36")}`);
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
        if (await browser.text(id) === said("Vite a ricircolo 1605")) await browser.click(id);
      }
      const after = await controls();
      assert.equal(await browser.value(named(after, "textbox", said("Passo della vite (mm)"))), "5");
      assert.match(await browser.run("return location.hash"), /passo-vite=5(&|$)/);
    });

    for (const m of marked) {
      test(`marks «${m.input}» beside it: ${m.address}`, async () => {
        await open(`#banco?${m.address}`);
        const found = await controls();
        const input = [...found].find(([key]) => key.endsWith(` ${said(m.input)}`))[1];
        const message = await browser.run(`const ids = arguments[0].getAttribute("aria-describedby");
          return ids.split(" ").map((id) => document.getElementById(id))
            .filter((e) => e.getAttribute("role") === "status").map((e) => e.textContent).join("");`,
        { [ELEMENT]: input });
        assert.match(message, m.message[lang]);
        assert.equal(await browser.run(
          "return document.querySelectorAll('.wb-results input[readonly]').length"), m.results);
        const invalid = await browser.run(`return [...document.querySelectorAll(
          ".workbench [aria-invalid=true]")].map((e) => e.labels[0].textContent);`);
        assert.deepEqual(invalid, [said(m.input)]);
      });
    }

    test("an empty input shows the command line's default, and adds nothing", async () => {
      await open("#banco");
      const steps = named(await controls(), "textbox", said("Passi per giro"));
      assert.equal(await browser.value(steps), "");
      assert.equal(await browser.run("return arguments[0].placeholder", { [ELEMENT]: steps }), "200");
      await agreesWithTheCommandLine("", 0);
      assert.equal(await browser.run("return location.hash"), "#banco?");
    });

    test("a link that is none is said to be none, and what was shown stays", async () => {
      const status = "return document.querySelector('.wb-answers > [role=status]').textContent";
      const invalidLink = "Il collegamento non è valido: il banco resta com'era.";
      for (const link of ["micropassi=32&velocita-luce=1", "firmware=klipper&="]) {
        await open(`#banco?${drives[0].address}`);
        const before = await shown();
        await browser.run(`return new Promise((done) => {
          window.addEventListener("hashchange", () => done(), { once: true });
          location.hash = arguments[0]; });`, `#banco?${link}`);
        assert.deepEqual(await shown(), before);
        assert.equal(await browser.run(status), said(invalidLink));
      }
      await open("#banco?velocita-luce=1");
      assert.equal(await browser.value(named(await controls(), "textbox", said("Micropassi"))), "");
      assert.equal(await browser.run(status), said(invalidLink));
    });

    test("a calibration's lines, for the drive's axis, take the place of the drive's", async () => {
      await open(`#banco?${drives[0].address}&asse=E&rotation-distance=40&comandati=100&misurati=99`);
      assert.equal(await browser.value(named(await controls(), "textbox", said("Righe per il firmware"))),
        "[extruder]\nrotation_distance: 39.6");
    });

    test("«Copia» puts the firmware's lines on the clipboard", async () => {
      await open(`#banco?${drives[0].address}`);
      await browser.cdp("Browser.grantPermissions", { origin: server.url.replace(/\/$/, ""),
        permissions: ["clipboardReadWrite", "clipboardSanitizedWrite"] });
      const found = await controls();
      await browser.click(named(found, "button", said("Copia")));
      assert.equal(await browser.run("return navigator.clipboard.readText()"),
        await browser.value(named(found, "textbox", said("Righe per il firmware"))));
    });

    // Each view by the link that opens it: the start's choices, and the
    // switch each view shows to the other.
    test("the start offers both views, and each view the other", async () => {
      await open("");
      assert.deepEqual(await browser.find(".workbench"), []);
      assert.equal(await browser.run("return document.title"), said("Calcolo asse CNC"));
      // The window's title is its own, in Italian.
      const views = [
        { link: said("Banco dell'asse"), view: ".workbench", title: said("Banco dell'asse") },
        { link: said("Calcolo classico"), view: "#main", title: "Menu' principale" },
        { link: said("Banco dell'asse"), view: ".workbench", title: said("Banco dell'asse") },
      ];
      for (const v of views) {
        let link;
        for (const id of await browser.find("a")) {
          if (await browser.displayed(id) && await browser.label(id) === v.link) link = id;
        }
        assert.ok(link, `no link named «${v.link}»`);
        await browser.click(link);
        // The workbench is built once its catalogue has come: not at once.
        await waitFor(async () => {
          const [view] = await browser.find(v.view);
          return view !== undefined && await browser.displayed(view);
        }, `${v.view} shown`);
        assert.equal(await browser.displayed((await browser.find(".start"))[0]), false);
        assert.equal(await browser.run("return document.title"), v.title);
      }
      // Any other address is the start again.
      await browser.run(`return new Promise((done) => {
        window.addEventListener("hashchange", () => done(), { once: true });
        location.hash = "#altro"; });`);
      assert.equal(await browser.displayed((await browser.find(".start"))[0]), true);
      assert.equal(await browser.displayed((await browser.find(".workbench"))[0]), false);
      assert.equal(await browser.displayed((await browser.find("#main"))[0]), false);
    });
  });
}

// The workbench on phones, one column, and on a wide screen, inputs beside
// the results, which stay in view as the form scrolls: never wider than the
// screen, 16 px text, every control at least 44 px tall for a finger.
const workbenchScreens = [
  { name: "the smallest phone", width: 320, height: 568, columns: 1 },
  { name: "a phone", width: 375, height: 740, columns: 1 },
  { name: "a wide screen", width: 1024, height: 768, columns: 2 },
];

// A tall form: every optional section open.
const everything = `${drives[3].address}&attuali=400&comandati=100&misurati=99&frequenza-max=40`;

describe("the workbench on screens of every width", () => {
  let server;
  let browser;

  pageServedIn("it-IT", (s, b) => { [server, browser] = [s, b]; });

  async function openOn(s, address) {
    await browser.cdp("Emulation.setDeviceMetricsOverride",
      { width: s.width, height: s.height, deviceScaleFactor: 0, mobile: s.width < 800 });
    await browser.go("about:blank");
    await browser.go(`${server.url}#banco?${address}`);
    await waitReady(browser);
  }
  const box = (css) => browser.run(`const r = document.querySelector(arguments[0])
    ?.getBoundingClientRect(); return r && { top: r.top, bottom: r.bottom };`, css);
  const scrollToTheEnd = () => browser.run("window.scrollTo(0, document.body.scrollHeight)");

  for (const s of workbenchScreens) {
    test(`${s.name}, ${s.width} x ${s.height}`, async () => {
      await openOn(s, everything);
      const page = await browser.run(`
        const page = document.documentElement;
        const inputs = document.querySelector(".wb-inputs").getBoundingClientRect();
        const answers = document.querySelector(".wb-answers").getBoundingClientRect();
        const shown = (e) => e.getBoundingClientRect().width > 0;
        return { width: page.clientWidth, scrollWidth: page.scrollWidth,
          fontSize: parseFloat(getComputedStyle(document.body).fontSize),
          columns: answers.left >= inputs.right ? 2 : answers.top >= inputs.bottom ? 1 : 0,
          outside: [...document.querySelectorAll(
            ".workbench :is(input, select, textarea, button, label, legend, small)")]
            .filter((e) => { const r = e.getBoundingClientRect();
              return r.width > 0 && (r.left < 0 || r.right > page.clientWidth); })
            .map((e) => e.id || e.textContent),
          low: [...document.querySelectorAll(".workbench :is(input, select, button, a)")]
            .filter((e) => shown(e) && e.getBoundingClientRect().height < 44)
            .map((e) => e.id || e.textContent) };`);
      assert.ok(page.scrollWidth <= page.width, `scrolls sideways to ${page.scrollWidth}`);
      assert.deepEqual(page.outside, []);
      assert.equal(page.columns, s.columns);
      assert.ok(page.fontSize >= 16, `text of ${page.fontSize} px`);
      assert.deepEqual(page.low, []);
      if (s.columns === 2) {
        await scrollToTheEnd();
        const answers = await box(".wb-answers");
        assert.ok(answers.top >= 0 && answers.top < s.height, `the results at ${answers.top}`);
      }
    });
  }

  // On a phone the summary stays in view while the user types, without
  // covering the input; with the form scrolled to its end too; a tap on it
  // goes to the results.
  test("a phone keeps Step/mm in view while the user types", async () => {
    const phone = workbenchScreens[1];
    await openOn(phone, everything);
    const micropassi = (await browser.find("#wb-micropassi"))[0];
    for (const typed of ["32", "8"]) {
      await browser.clear(micropassi);
      await browser.type(micropassi, typed);
      const summary = await box(".wb-summary");
      const input = await box("#wb-micropassi");
      assert.ok(input.top >= summary.bottom || input.bottom <= summary.top, "the input covered");
      for (const scrolled of ["as typed", "at the end"]) {
        if (scrolled === "at the end") await scrollToTheEnd();
        const row = await box(".wb-summary-row");
        assert.ok(row.top >= 0 && row.bottom <= phone.height, `Step/mm at ${row.top}, ${scrolled}`);
      }
      const stepsPerMm = await browser.run(`return [...document.querySelectorAll(".wb-results input")]
        .find((e) => e.labels[0].textContent === "Step/mm").value`);
      assert.equal(await browser.run("return document.querySelector('.wb-summary-value').textContent"),
        stepsPerMm);
      // The drive's diagram heads the results, a picture named by the drive in words.
      const [diagram] = await browser.find(".wb-answers > .wb-diagram:first-child > svg[role=img]");
      assert.match(await browser.label(diagram),
        new RegExp(`^Motore: 200 passi/giro, × ${typed} micropassi; .*; Step/mm: ${stepsPerMm}$`));
    }
    await browser.run("window.scrollTo(0, 0)");
    await browser.click((await browser.find(".wb-summary"))[0]);
    const answers = await box(".wb-answers");
    assert.ok(answers.top >= 0 && answers.top < phone.height, `the results at ${answers.top}`);
  });
});

// WCAG's contrast of two "rgb(r, g, b)" colours, 1 to 21.
function contrast(a, b) {
  const luminance = (colour) => {
    const [r, g, b] = colour.match(/[\d.]+/g).slice(0, 3).map((v) => {
      const c = v / 255;
      return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
  };
  const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (light + 0.05) / (dark + 0.05);
}

// Every text shown in a view, its colour and the first opaque background
// behind it.
const textColours = `return [...document.querySelectorAll(arguments[0])].filter((e) =>
    e.getBoundingClientRect().width > 0 && (e.matches("input, select, textarea")
      || [...e.childNodes].some((n) => n.nodeType === Node.TEXT_NODE && n.textContent.trim())))
  .map((e) => {
    let behind = e;
    while (/rgba\\(.*, 0\\)|transparent/.test(getComputedStyle(behind).backgroundColor)) {
      behind = behind.parentElement;
    }
    // A diagram's text is painted in its fill.
    const paint = e instanceof SVGElement ? getComputedStyle(e).fill : getComputedStyle(e).color;
    return { text: (e.value ?? e.textContent).slice(0, 30), colour: paint,
      background: getComputedStyle(behind).backgroundColor };
  });`;

describe("the page's start, its look, and the page offline and from a file", () => {
  let server;
  let browser;

  pageServedIn("it-IT", (s, b) => { [server, browser] = [s, b]; });

  async function open(address) {
    await browser.go("about:blank");
    await browser.go(address);
    await waitReady(browser);
  }
  // The caption that folds the section, by its accessible name.
  async function fold(section) {
    for (const id of await browser.find(".workbench legend button")) {
      if (await browser.label(id) === section) return id;
    }
    assert.fail(`no caption «${section}» folds`);
  }
  const expanded = async (section) =>
    browser.run("return arguments[0].getAttribute('aria-expanded')", { [ELEMENT]: await fold(section) });

  test("the classic window looks exactly as its picture in the README", async () => {
    await open(`${server.url}#finestra`);
    // As make screenshot-web takes the picture (page_bench.mjs).
    await browser.run(`document.activeElement.blur();
      Object.assign(document.getElementById("main").style, { width: "657px", height: "409px" });`);
    const shot = Buffer.from(await browser.screenshot((await browser.find("#main"))[0]), "base64");
    assert.ok(shot.equals(readFileSync(new URL("../../docs/screenshot-web.png", import.meta.url))),
      "the window differs from docs/screenshot-web.png");
  });

  for (const scheme of ["light", "dark"]) {
    test(`every text of the start and the workbench is legible, ${scheme}`, async () => {
      await browser.cdp("Emulation.setEmulatedMedia",
        { features: [{ name: "prefers-color-scheme", value: scheme }] });
      for (const [address, view] of [["", ".start"], [`#banco?${marked[0].address}`, ".workbench"]]) {
        await open(`${server.url}${address}`);
        const texts = await browser.run(textColours, `${view}, ${view} *`);
        assert.ok(texts.length >= 5, view);
        for (const t of texts) {
          assert.ok(contrast(t.colour, t.background) >= 4.5,
            `«${t.text}»: ${t.colour} on ${t.background}`);
        }
        const background = texts[0].background;
        assert.equal(contrast(background, "rgb(0, 0, 0)") < contrast(background, "rgb(255, 255, 255)"),
          scheme === "dark", `a ${scheme} background: ${background}`);
      }
      await browser.cdp("Emulation.setEmulatedMedia", { features: [] });
    });
  }

  test("the optional sections start folded, and open when used or filled by a link", async () => {
    await open(`${server.url}#banco?${drives[0].address}`);
    assert.deepEqual([await expanded("Calibrazione"), await expanded("Strato")], ["false", "false"]);
    const [layer] = await browser.find("#wb-strato");
    assert.equal(await browser.displayed(layer), false);
    await browser.click(await fold("Strato"));
    await browser.type(layer, "0.2");
    // Holding text, it stays open.
    await browser.click(await fold("Strato"));
    assert.equal(await expanded("Strato"), "true");
    assert.equal(await browser.displayed(layer), true);
    await open(`${server.url}#banco?${drives[3].address}`);
    assert.deepEqual(await Promise.all(["Calibrazione", "Strato", "Velocità"].map(expanded)),
      ["false", "true", "true"]);
  });

  test("opened from a file, the page says how to serve it", async () => {
    await browser.go(`file://${join(webDir, "index.html")}`);
    const [line] = await browser.find("#served-only");
    assert.equal(await browser.displayed(line), true);
    assert.match(await browser.text(line),
      /python3 -m http\.server --bind 127\.0\.0\.1 -d build-web\/page/);
  });

  // A server of its own, which stops: nothing but the service worker's cache
  // can answer the second load.
  test("after one visit the workbench opens with no network", async () => {
    const own = await serve(webDir);
    try {
      await open(`${own.url}#banco?${drives[0].address}`);
      await browser.run("return navigator.serviceWorker.ready.then(() => undefined)");
      await waitFor(() => browser.run("return navigator.serviceWorker.controller !== null"),
        "the service worker in control");
    } finally {
      await own.close();
    }
    await browser.cdp("Network.enable");
    await browser.cdp("Network.emulateNetworkConditions",
      { offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
    try {
      await open(`${own.url}#banco?${drives[0].address}`);
      assert.match(await browser.run(
        "return document.querySelector('.wb-results input').value"), /^80[.,]0+$/);
    } finally {
      await browser.cdp("Network.emulateNetworkConditions",
        { offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
    }
  });
});

// Polls `condition` for up to 30 s: a loaded machine may be slow, a
// condition that never comes fails all the same.
async function waitFor(condition, what) {
  for (const end = Date.now() + 30000; Date.now() < end;) {
    if (await condition()) return;
    await new Promise((r) => setTimeout(r, 25));
  }
  assert.fail(`never: ${what}`);
}

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
