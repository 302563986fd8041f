// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench's language on the page: which one, its catalogue for the
// WebAssembly module (the .mo files the programs read, gzipped, in locale/), and the
// menu that changes it. The classic window stays Italian. And the
// separators of numbers in the browser's language, which the window uses too.
//
// The language is, first to last: a link's "lingua=" (#banco?lingua=de&...),
// the one the user picked from the menu before (kept in the browser), the
// first of the browser's languages that the page has, English.
"use strict";

window.cncLanguage = (() => {
  // Each language by its own name. Italian, the language the texts are
  // written in, needs no catalogue.
  const NAMES = { it: "Italiano", en: "English", de: "Deutsch", fr: "Français", es: "Español" };
  const ITALIAN = "it";
  const STORED = "cnc-axis-calc.lingua";
  const PARAMETER = "lingua=";

  // "de-AT" -> "de"; a language the page does not have -> null.
  function ours(tag) {
    const code = String(tag ?? "").toLowerCase().split(/[-_]/)[0];
    return Object.hasOwn(NAMES, code) ? code : null;
  }

  // The browser may refuse its storage (a private window, a page from disk):
  // what is kept there then serves this visit alone.
  function kept(key) {
    try {
      return localStorage.getItem(key);
    } catch {
      return null;
    }
  }
  function keep(key, value) {
    try {
      localStorage.setItem(key, value);
    } catch {
      // not kept: nothing else to do
    }
  }

  function chosen(linked) {
    const candidates = [linked, kept(STORED), ...(navigator.languages ?? [navigator.language])];
    return candidates.map(ours).find(Boolean) ?? "en";
  }

  // Each catalogue is fetched once, gzipped (the page's files are counted
  // by their bytes, whatever the server does), and unpacked here; null when
  // it cannot be had.
  const catalogues = new Map([[ITALIAN, Promise.resolve(new Uint8Array())]]);
  function catalogue(code) {
    if (!catalogues.has(code)) {
      catalogues.set(code, fetch(`locale/${code}.mo.gz`)
        .then((response) => (response.ok ? new Response(
          response.body.pipeThrough(new DecompressionStream("gzip"))).arrayBuffer() : null))
        .then((bytes) => bytes && new Uint8Array(bytes))
        .catch(() => null));
    }
    return catalogues.get(code);
  }

  let current = ITALIAN;     // the language of the module's catalogue
  let linked = null;         // the language the address names, or null
  let menuElement = null;

  // The module's messages in `code`; resolves to the language now in use,
  // Italian when its catalogue cannot be had. A later call wins over one
  // still waiting for its catalogue.
  let calls = 0;
  async function use(core, code) {
    const call = ++calls;
    if (code === current) return current;
    const bytes = await catalogue(code);
    if (call !== calls) return current;
    if (bytes && core.useCatalogue(bytes)) {
      current = code;
    } else {
      core.useCatalogue(new Uint8Array());
      current = ITALIAN;
    }
    if (menuElement) menuElement.refresh();
    return current;
  }

  // "lingua=de&micropassi=16" -> {language: "de", query: "micropassi=16"}:
  // the workbench's own query has no lingua=. Remembers whether the address
  // names a language, to keep it there.
  function fromQuery(query) {
    const parts = query.split("&");
    const named = parts.find((part) => part.startsWith(PARAMETER));
    linked = named ? ours(decodeURIComponent(named.slice(PARAMETER.length))) : null;
    return { language: linked, query: parts.filter((part) => part !== named).join("&") };
  }

  // The workbench's address with the language first, when the address had one.
  function address(query) {
    return [linked && `${PARAMETER}${linked}`, query].filter(Boolean).join("&");
  }

  // The menu, made once and kept across the workbench's rebuilds: choosing
  // a language remembers it, loads its catalogue and calls `switched`.
  function menu(core, switched) {
    if (menuElement) return menuElement.element;
    const select = document.createElement("select");
    select.id = "wb-lingua";
    for (const [code, name] of Object.entries(NAMES)) {
      const option = new Option(name, code);
      option.lang = code;
      select.append(option);
    }
    const label = document.createElement("label");
    label.htmlFor = select.id;
    const element = document.createElement("div");
    element.className = "wb-language";
    element.append(label, select);
    const _ = (text) => core.translate(text);
    const refresh = () => {
      // TRANSLATORS: the label of the menu of the workbench's languages on the page
      label.textContent = _("Lingua");
      select.value = current;
    };
    select.addEventListener("change", async () => {
      keep(STORED, select.value);
      if (linked) linked = select.value;
      await use(core, select.value);
      switched();
    });
    menuElement = { element, refresh };
    refresh();
    return element;
  }

  // The decimal and group separators of the browser's language: it-IT gives
  // "," and ".", en "." and ",". Intl's first answer costs a load some 30 ms,
  // while the browser readies its locale data, so the answer is kept with the
  // language and the browser's version it was given for, which make it: the
  // next visit reads it back.
  const SEPARATORS = "cnc-axis-calc.separatori";
  let separatorsKnown = { asked: null };
  function separatorsOfIntl(asked) {
    const parts = new Intl.NumberFormat(navigator.language).formatToParts(1234567.5);
    const part = (type) => parts.find((p) => p.type === type)?.value ?? "";
    const known = { asked, decimal: part("decimal") || ".", group: part("group") };
    keep(SEPARATORS, JSON.stringify(known));
    return known;
  }
  function separatorsKept(asked) {
    try {
      const known = JSON.parse(kept(SEPARATORS));
      return known?.asked === asked && typeof known.decimal === "string" &&
        typeof known.group === "string" ? known : null;
    } catch {
      return null;  // not JSON
    }
  }
  function separators() {
    const asked = `${navigator.language} ${navigator.userAgent}`;
    if (separatorsKnown.asked !== asked) {
      separatorsKnown = separatorsKept(asked) ?? separatorsOfIntl(asked);
    }
    const { decimal, group } = separatorsKnown;
    return { decimal, group };
  }

  // The language the page opens in, the start's and the switches': a link's
  // to the workbench or the machine, else as chosen. Its catalogue is fetched
  // while the module loads.
  const atStart = /^#(?:banco|macchina)(?:\?(.*))?$/.exec(location.hash);
  const opening = chosen(atStart ? fromQuery(atStart[1] ?? "").language : null);
  catalogue(opening);

  return { chosen, use, fromQuery, address, menu, current: () => current, opening, separators };
})();
