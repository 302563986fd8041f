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

  // The decimal and group separators of the browser's language: it-IT gives
  // "," and ".", en "." and ",".
  function separators() {
    const parts = new Intl.NumberFormat(navigator.language).formatToParts(1234567.5);
    const part = (type) => parts.find((p) => p.type === type)?.value ?? "";
    return { decimal: part("decimal") || ".", group: part("group") };
  }

  // "Option2(1)" -> ["Option2", 1]
  function arrayElement(name) {
    const match = /^(.*)\((\d+)\)$/.exec(name);
    return match ? [match[1], Number(match[2])] : [name, 0];
  }

  function place(element, control) {
    element.className = control.kind;
    element.dataset.name = control.name;
    Object.assign(element.style, {
      left: px(control.left), top: px(control.top),
      width: px(control.width), height: px(control.height),
    });
    if (control.points > 0) {
      element.style.font = `bold ${control.points}pt ${FONT}`;
      element.classList.add("bold");
    }
    if (control.text) element.style.color = rgb(control.text);
    if (control.background) element.style.background = rgb(control.background);
    if (control.centred) element.classList.add("centred");
    if (control.tabIndex >= 0 && ["textbox", "option", "button"].includes(control.kind)) {
      // Tab order of the layout; positive indexes come before the dialog.
      (element.querySelector("input") ?? element).tabIndex = control.tabIndex + 1;
    }
    return element;
  }

  function svg(tag, attributes) {
    const drawing = document.createElementNS(svgNamespace, "svg");
    drawing.setAttribute("class", "drawing");
    drawing.setAttribute("aria-hidden", "true");
    const shape = document.createElementNS(svgNamespace, tag);
    for (const [key, value] of Object.entries(attributes)) shape.setAttribute(key, value);
    drawing.append(shape);
    drawing.dataset.name = attributes["data-name"];
    return drawing;
  }

  // A line's end points are (left, top) and (width, height). Pixel centres
  // lie at half coordinates, so odd widths cover whole pixel rows.
  function line(control) {
    const at = (twips) => twips / TWIPS_PER_PIXEL + 0.5;
    return svg("line", {
      x1: at(control.left), y1: at(control.top), x2: at(control.width), y2: at(control.height),
      stroke: rgb(control.text), "stroke-width": control.lineWidth, "stroke-linecap": "round",
      "data-name": control.name,
    });
  }

  // A circle as wide as the smaller side of its box, centred in it; the text
  // colour is its outline, the background its fill.
  function circle(control) {
    const diameter = Math.min(control.width, control.height) / TWIPS_PER_PIXEL;
    return svg("circle", {
      cx: (control.left + control.width / 2) / TWIPS_PER_PIXEL,
      cy: (control.top + control.height / 2) / TWIPS_PER_PIXEL,
      r: (diameter - 1) / 2, fill: rgb(control.background), stroke: rgb(control.text),
      "stroke-width": 1, "data-name": control.name,
    });
  }

  function frame(control) {
    const element = place(document.createElement("div"), control);
    element.setAttribute("role", "group");
    const caption = document.createElement("span");
    caption.className = "caption";
    caption.textContent = control.caption;
    caption.id = `caption-${control.name}`;
    element.setAttribute("aria-labelledby", caption.id);
    element.append(caption);
    return element;
  }

  function textBox(control) {
    const input = place(document.createElement("input"), control);
    input.type = "text";
    input.value = control.initialText;
    input.setAttribute("aria-label", control.fieldCaption);
    input.readOnly = control.readOnly;
    input.spellcheck = false;
    input.autocomplete = "off";
    if (control.tooltip) {
      input.title = control.tooltip;
      input.setAttribute("aria-description", control.tooltip);
    }
    return input;
  }

  function option(control) {
    const label = place(document.createElement("label"), control);
    const input = document.createElement("input");
    const [group, index] = arrayElement(control.name);
    Object.assign(input, { type: "radio", name: group, value: String(index) });
    input.checked = control.selected;
    input.dataset.name = control.name;
    label.append(input, control.caption);
    return label;
  }

  function button(control) {
    const element = place(document.createElement("button"), control);
    element.type = "button";
    element.textContent = control.caption;
    return element;
  }

  function label(control) {
    const element = place(document.createElement("div"), control);
    element.textContent = control.caption;
    return element;
  }

  function picture(control) {
    const image = place(document.createElement("img"), control);
    image.src = "motor-and-screw.svg";
    image.alt = control.caption;
    return image;
  }

  const builders = { frame, textbox: textBox, option, button, label, picture, line, circle };

  // Each container's controls are listed front to back: appended back to
  // front, the later ones cover the earlier ones.
  function buildWindow(main, controls) {
    const elements = new Map([["main", main]]);
    for (const control of controls) {
      elements.set(control.name, builders[control.kind](control));
    }
    for (const control of [...controls].reverse()) {
      elements.get(control.container).append(elements.get(control.name));
    }
    return elements;
  }

  function start(core) {
    const layout = JSON.parse(core.layoutJson());
    const main = document.getElementById("main");
    const elements = buildWindow(main, layout.controls);
    const fields = [];
    for (const control of layout.controls) {
      if (control.kind === "textbox") fields[control.field] = elements.get(control.name);
    }
    const selected = (group) =>
      Number(main.querySelector(`input[name="${group}"]:checked`)?.value ?? -1);
    const belt = () => selected(layout.coupling) === 1;
    const dialog = document.getElementById("error");

    function showBeltGroups() {
      for (const name of layout.beltGroups) elements.get(name).hidden = !belt();
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

    function calcola() {
      const { decimal, group } = separators();
      const outcome = core.pressCalcola(fields.map((field) => field.value),
        selected(layout.stepping) === 1, belt(), decimal, group);
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

    elements.get(layout.calculate).addEventListener("click", calcola);
    elements.get(layout.end).addEventListener("click", endWork);
    for (const radio of main.querySelectorAll(`input[name="${layout.coupling}"]`)) {
      radio.addEventListener("change", showBeltGroups);
    }
    main.addEventListener("keydown", (event) => {
      if (event.key === "Enter" && event.target.classList.contains("textbox")) {
        event.preventDefault();
        calcola();
      }
    });

    showBeltGroups();
    fields.find((field) => field.tabIndex === 1)?.focus();
    document.documentElement.dataset.ready = "true";
    performance.mark("ready");
  }

  createCore().then(start);
})();
