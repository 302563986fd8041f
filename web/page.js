// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a page. Every control is built from the layout the
// WebAssembly module carries, and "calcola" runs the module's calculation:
// this script only places controls, moves texts and shows the outcome.
"use strict";

(() => {
  const TWIPS_PER_PIXEL = 15;
  const FONT = '"Liberation Sans", Arial, Helvetica, sans-serif';

  const px = (twips) => `${twips / TWIPS_PER_PIXEL}px`;
  const rgb = (colour) => (colour ? `rgb(${colour.join(", ")})` : "transparent");
  const svgNamespace = "http://www.w3.org/2000/svg";

  // The decimal and group separators of the browser's language (language.js).
  const { separators } = window.cncLanguage;

  function place(element, control) {
    element.classList.add(control.kind);
    element.id = control.name;
    Object.assign(element.style, {
      left: px(control.left), top: px(control.top),
      width: px(control.width), height: px(control.height),
    });
    if (control.points > 0) {
      element.style.font = `${control.bold ? "bold " : ""}${control.points}pt ${FONT}`;
      element.classList.add("own-font");
    }
    if (control.foreground) element.style.color = rgb(control.foreground);
    if (control.transparent) element.style.background = "transparent";
    else if (control.background) element.style.background = rgb(control.background);
    if (control.centred) element.classList.add("centred");
    if (control.hidden) element.hidden = true;
    if (control.tabIndex >= 0) {
      // The layout's tab order; positive indexes come before the dialog's.
      (element.querySelector("input") ?? element).tabIndex = control.tabIndex + 1;
    }
    return element;
  }

  function svg(tag, control, attributes) {
    const drawing = document.createElementNS(svgNamespace, "svg");
    drawing.setAttribute("class", "drawing");
    drawing.setAttribute("aria-hidden", "true");
    drawing.id = control.name;
    const shape = document.createElementNS(svgNamespace, tag);
    for (const [key, value] of Object.entries(attributes)) shape.setAttribute(key, value);
    drawing.append(shape);
    return drawing;
  }

  // Pixel centres lie at half coordinates, so odd widths cover whole rows.
  function line(control) {
    const at = (twips) => twips / TWIPS_PER_PIXEL + 0.5;
    return svg("line", control, {
      x1: at(control.x1), y1: at(control.y1), x2: at(control.x2), y2: at(control.y2),
      stroke: rgb(control.foreground ?? [0, 0, 0]), "stroke-width": control.lineWidth,
      "stroke-linecap": "round",
    });
  }

  // A circle as wide as the smaller side of its box, centred in it.
  function shape(control) {
    const diameter = Math.min(control.width, control.height) / TWIPS_PER_PIXEL;
    return svg("circle", control, {
      cx: (control.left + control.width / 2) / TWIPS_PER_PIXEL,
      cy: (control.top + control.height / 2) / TWIPS_PER_PIXEL,
      r: (diameter - 1) / 2, fill: rgb(control.background),
      stroke: rgb(control.foreground ?? [0, 0, 0]), "stroke-width": 1,
    });
  }

  function frame(control) {
    const element = place(document.createElement("div"), control);
    element.setAttribute("role", "group");
    const caption = document.createElement("span");
    caption.className = "caption";
    caption.textContent = control.text;
    caption.id = `${control.name}-caption`;
    element.setAttribute("aria-labelledby", caption.id);
    element.append(caption);
    return element;
  }

  function textBox(control) {
    const input = place(document.createElement("input"), control);
    input.type = "text";
    input.value = control.text;
    input.setAttribute("aria-label", control.accessibleName);
    input.readOnly = control.readOnly;
    input.spellcheck = false;
    input.autocomplete = "off";
    if (control.tooltip) input.title = control.tooltip;
    if (control.describedBy) input.setAttribute("aria-describedby", control.describedBy);
    return input;
  }

  // The options of one frame form a group; each carries the value of the
  // choice it stands for.
  function option(control) {
    const label = place(document.createElement("label"), control);
    const input = document.createElement("input");
    input.type = "radio";
    input.name = control.container;
    input.value = String(control.stepping ?? control.coupling ?? "");
    input.checked = control.selected;
    label.append(input, control.text);
    return label;
  }

  function button(control) {
    const element = place(document.createElement("button"), control);
    element.type = "button";
    element.textContent = control.text;
    return element;
  }

  function label(control) {
    const element = place(document.createElement("div"), control);
    element.textContent = control.text;
    return element;
  }

  function picture(control) {
    const image = place(document.createElement("img"), control);
    image.src = `${control.image}.png`;
    image.alt = control.accessibleName;
    return image;
  }

  const builders = { frame, textbox: textBox, option, button, label, picture, line, shape };

  // Containers come before what they hold, and each container's children
  // back to front: appended in order, the later ones cover the earlier ones.
  function buildWindow(main, controls) {
    const elements = new Map();
    for (const control of controls) {
      const element = builders[control.kind](control);
      elements.set(control.name, element);
      (control.container ? elements.get(control.container) : main).append(element);
    }
    return elements;
  }

  // The room the window's controls take, in twips: the farthest right and
  // bottom edges of its top-level boxes, and beyond them the margin they keep
  // from its left and top edges. Hidden controls count, since they can be
  // shown. The layout gives {left: 120, right: 9735, top: 120, bottom: 6015}
  // -> {width: 9855, height: 6135}, 657 x 409 pixels.
  function windowExtent(controls) {
    const boxes = controls.filter((c) => !c.container && c.kind !== "line");
    const farthest = (edge) => Math.max(...boxes.map(edge));
    const nearest = (edge) => Math.min(...boxes.map(edge));
    return {
      width: farthest((c) => c.left + c.width) + nearest((c) => c.left),
      height: farthest((c) => c.top + c.height) + nearest((c) => c.top),
    };
  }

  // On a screen narrower than the window, a phone's, the window is shrunk as
  // a whole to the screen's width, its look kept; it is never enlarged, so a
  // wide screen shows it as it is. CSS zoom, unlike a transform, shrinks the
  // room the window takes too: the page scrolls exactly as far as the shrunk
  // window reaches, and clicks land on what is shown. A screen lower than
  // the window scrolls rather than cutting the window off.
  function fitToScreen(main, extent) {
    main.style.minHeight = px(extent.height);
    const fit = () => {
      const width = document.documentElement.clientWidth;
      main.style.zoom = String(Math.min(1, width / (extent.width / TWIPS_PER_PIXEL)));
    };
    window.addEventListener("resize", fit);
    fit();
  }

  // "#banco" or "#banco?micropassi=16&ingranaggi" shows the workbench,
  // built the first time it is asked for, in the language language.js
  // chooses, with the switches to the window and to the machine;
  // "#macchina" or "#macchina?firmware=marlin&X.micropassi=16" the machine
  // (machine.js) likewise, with the switch to the workbench; "#finestra"
  // shows the window, untouched and in Italian, with the switch to the
  // workbench in the page's corner, outside the window; any other address
  // shows the start, which offers all three. `views` holds the window's
  // element, classic(), which builds the window the first time and gives its
  // title and first field, and the start's views (start.js).
  const moduleViews = {
    banco: { show: () => window.cncWorkbench, className: "workbench", root: null,
      switches: (views) => [views.toClassic, views.toMachine] },
    macchina: { show: () => window.cncMachine, className: "workbench machine", root: null,
      switches: (views) => [views.machineToWorkbench] },
  };
  let addresses = 0;
  async function showWhatTheAddressAsks(core, views) {
    // An address that changes while the view's catalogue is fetched leaves
    // the rest to the call for the newer one.
    const address = ++addresses;
    const asked = /^#(banco|macchina)(?:\?(.*))?$/.exec(location.hash);
    const classic = location.hash === "#finestra";
    const language = window.cncLanguage;
    views.window.hidden = !classic;
    views.toWorkbench.hidden = !classic;
    views.screen.hidden = classic || Boolean(asked);
    for (const [name, view] of Object.entries(moduleViews)) {
      if (view.root) view.root.hidden = !asked || asked[1] !== name;
    }
    if (classic) {
      const { title, firstField } = views.classic();
      document.title = title;
      await language.use(core, "it");
      firstField?.focus();
      return;
    }
    if (!asked) {
      document.title = views.title;
      return;
    }
    const view = moduleViews[asked[1]];
    const { language: linked, query } = language.fromQuery(asked[2] ?? "");
    await language.use(core, language.chosen(linked));
    if (address !== addresses) return;
    if (!view.root) {
      view.root = document.createElement("main");
      view.root.className = view.className;
      document.body.prepend(view.root);
    }
    const root = view.root;
    root.hidden = false;
    root.lang = language.current();
    // The view's content is built the first time, and again in another
    // language: the switches go before it.
    const placeSwitches = () => {
      const switches = view.switches(views);
      if (root.firstChild !== switches[0]) root.prepend(...switches);
      // One menu for both views: it follows the one shown.
      if (menu.parentElement !== root) switches.at(-1).after(menu);
      document.title = root.querySelector("h1").textContent;
    };
    const menu = language.menu(core, () => {
      // A language picked from the menu: the view shown asked again of the
      // module, what was typed kept, the menu still in hand; the start and
      // the switches speak it too.
      views.retitle(JSON.parse(core.startDescription()), language.current());
      const shown = Object.values(moduleViews).find((each) => each.root && !each.root.hidden);
      if (!shown) return;
      const wasFocused = menu.contains(document.activeElement);
      shown.root.lang = language.current();
      shown.show().again(core, shown.root, separators, menu);
      const switches = shown.switches(views);
      if (shown.root.firstChild !== switches[0]) shown.root.prepend(...switches);
      if (wasFocused) menu.querySelector("select").focus();
      document.title = shown.root.querySelector("h1").textContent;
    });
    view.show()(core, root, separators, query, menu);
    placeSwitches();
  }

  // Builds the window in #main, with its calculation; gives {title,
  // firstField}, the field the window opens in.
  function buildClassicWindow(core) {
    const layout = JSON.parse(core.layoutJson());
    const main = document.getElementById("main");
    main.setAttribute("aria-label", layout.window.title);
    document.body.style.background = rgb(layout.window.background);
    const elements = buildWindow(main, layout.controls);
    fitToScreen(main, windowExtent(layout.controls));
    const of = (test) => layout.controls.filter(test).map((c) => [c, elements.get(c.name)]);
    const fields = [];
    for (const [control, element] of of((c) => c.field !== undefined)) {
      fields[control.field] = element;
    }
    const chosen = (choice) => {
      const checked = of((c) => c[choice] !== undefined)
        .find(([, element]) => element.querySelector("input").checked);
      return checked ? checked[0][choice] : -1;
    };
    const command = (name) => of((c) => c.command === name)[0][1];
    const dialog = document.getElementById("error");

    function showBeltGroups() {
      const coupling = chosen("coupling");
      for (const [control, element] of of((c) => c.shownWith >= 0)) {
        element.hidden = control.shownWith !== coupling;
      }
    }

    // A failed click shows the message, and on closing puts the user back in
    // the field at fault when they can type there.
    function report(message, fieldIndex) {
      document.getElementById("error-message").textContent = message;
      dialog.addEventListener("close", () => {
        const field = fields[fieldIndex];
        if (field && field.offsetParent !== null && !field.readOnly) {
          field.focus();
          field.select();
        }
      }, { once: true });
      dialog.showModal();
    }

    // The values of the choices are those of the calculation: 1 is full step,
    // and 1 the belt coupling.
    function calcola() {
      const { decimal, group } = separators();
      const outcome = JSON.parse(core.pressCalcola(fields.map((field) => field.value),
        chosen("stepping") === 1, chosen("coupling") === 1, decimal, group));
      outcome.texts.forEach((text, i) => {
        if (fields[i].value !== text) fields[i].value = text;
      });
      if (outcome.error) report(outcome.error, outcome.field);
    }

    function endWork() {
      const line = document.createElement("p");
      line.className = "ended";
      line.textContent = "Lavoro terminato: puoi chiudere questa pagina.";
      main.replaceWith(line);
      dialog.remove();
    }

    command("calculate").addEventListener("click", calcola);
    command("quit").addEventListener("click", endWork);
    for (const [, element] of of((c) => c.coupling !== undefined)) {
      element.querySelector("input").addEventListener("change", showBeltGroups);
    }
    main.addEventListener("keydown", (event) => {
      if (event.key === "Enter" && event.target.classList.contains("textbox")) {
        event.preventDefault();
        calcola();
      }
    });

    showBeltGroups();
    return { title: layout.window.title, firstField: fields.find((field) => field.tabIndex === 1) };
  }

  // The window is built the first time it is shown: an address that asks for
  // another view opens without it.
  async function start(core) {
    let classicWindow = null;
    // The start and the switches in the page's language; the window stays Italian.
    await window.cncLanguage.use(core, window.cncLanguage.opening);
    const views = Object.assign(window.cncStart(JSON.parse(core.startDescription()),
      window.cncLanguage.current()), {
      window: document.getElementById("main"),
      classic: () => (classicWindow ??= buildClassicWindow(core)) });
    document.body.append(views.screen, views.toWorkbench);
    await showWhatTheAddressAsks(core, views);
    window.addEventListener("hashchange", () => showWhatTheAddressAsks(core, views));
    document.documentElement.dataset.ready = "true";
    performance.mark("ready");
    // After one visit the page opens with no network (sw.js); a page opened
    // from a file has no service worker and never gets this far.
    navigator.serviceWorker?.register("sw.js");
  }

  window.cncCore().then(start);
})();
