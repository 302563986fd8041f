// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench ("Banco dell'asse") as a page. The WebAssembly module
// describes its inputs and answers every change: which inputs are shown, the
// results, the firmware's lines, the messages, the address and the drive's
// diagram. This script only builds the controls and puts the answers in them.
"use strict";

window.cncWorkbench = (() => {
  // make("input", {id: "x", type: "text"}, child...): an element with those
  // properties (attributes where no property has the name) and children.
  function make(tag, properties = {}, ...children) {
    const element = document.createElement(tag);
    for (const [name, value] of Object.entries(properties)) {
      if (name in element) element[name] = value;
      else element.setAttribute(name, value);
    }
    element.append(...children);
    return element;
  }

  // One input: its label above it, its message beside it and its
  // description, small, under it. The message is read out when it changes
  // and is part of the input's description only while there is one, while
  // the input is invalid.
  function field(input, control, prefix) {
    const id = `${prefix}-${input.key}`;
    control.id = id;
    const description = make("small", { id: `${id}-description` }, input.description);
    const message = make("span", { id: `${id}-message`, className: "wb-message", role: "status" });
    control.setAttribute("aria-describedby", description.id);
    control.setAttribute("aria-invalid", "false");
    const label = make("label", { htmlFor: id }, input.label);
    const box = make("div", { className: "wb-field" },
      label, make("div", { className: "wb-control" }, control, message), description);
    const setMessage = (text) => {
      message.textContent = text;
      control.setAttribute("aria-describedby",
        text ? `${description.id} ${message.id}` : description.id);
      control.setAttribute("aria-invalid", text ? "true" : "false");
    };
    // The label and description in the machine's unit, changed only when they change.
    const setLabel = (text, describing) => {
      if (label.textContent !== text) label.textContent = text;
      if (description.textContent !== describing) description.textContent = describing;
    };
    return { input, control, box, setMessage, setLabel };
  }

  // Empty is the command line's default, which the placeholder shows.
  function textField(input, prefix) {
    return field(input, make("input", { type: "text", spellcheck: false, autocomplete: "off",
      placeholder: input.placeholder }), prefix);
  }

  function choiceField(input, prefix) {
    const select = make("select", {},
      ...input.alternatives.map((alternative, i) => make("option", { value: String(i) },
        alternative.label)));
    return field(input, select, prefix);
  }

  // The common drives: choosing one fills its inputs and shows them, and the
  // list goes back to its first line, which fills nothing.
  function screwList(description, fieldsByKey, prefix) {
    const select = make("select", { id: `${prefix}-viti-comuni` },
      make("option", { value: "" }, "—"),
      ...description.commonDrives.map((screw, i) => make("option", { value: String(i) },
        screw.label)));
    const fill = () => {
      const screw = select.value && description.commonDrives[Number(select.value)];
      select.value = "";
      if (!screw) return;
      for (const [key, text] of Object.entries(screw.texts)) fieldsByKey.get(key).control.value = text;
      for (const [key, index] of Object.entries(screw.chosen)) {
        fieldsByKey.get(key).control.selectedIndex = index;
      }
    };
    // A list may say only "change" (as WebDriver's choosing does), or
    // "input" first: the first fills, the second finds the list reset.
    select.addEventListener("input", fill);
    select.addEventListener("change", fill);
    return make("div", { className: "wb-field" },
      make("label", { htmlFor: select.id }, description.commonDrivesLabel),
      make("div", { className: "wb-control" }, select));
  }

  // Each result a read-only field named by its label, in the order given;
  // a field is kept while its label is among the results.
  function resultList(prefix) {
    const list = make("div", { className: "wb-results" });
    const rows = new Map();
    return {
      element: list,
      show(results) {
        const rowsShown = results.map(({ label, value }) => {
          if (!rows.has(label)) {
            const output = make("input", { type: "text", readOnly: true,
              id: `${prefix}-result-${rows.size}` });
            rows.set(label, { output, box: make("div", { className: "wb-field" },
              make("label", { htmlFor: output.id }, label), output) });
          }
          const row = rows.get(label);
          row.output.value = value;
          return row.box;
        });
        list.replaceChildren(...rowsShown);
      },
    };
  }

  // The firmware's lines and «Copia», which puts them on the clipboard (by
  // selecting them and the browser's copy where the clipboard is refused);
  // shown while there are lines.
  function firmwarePanel(description, prefix) {
    const lines = make("textarea", { id: `${prefix}-firmware`, readOnly: true, rows: 6, spellcheck: false,
      wrap: "off" });
    const copy = make("button", { type: "button" }, description.copyLabel);
    copy.addEventListener("click", async () => {
      try {
        await navigator.clipboard.writeText(lines.value);
      } catch {
        lines.select();
        document.execCommand("copy");
      }
    });
    const element = make("div", { className: "wb-field" },
      make("label", { htmlFor: lines.id }, description.firmwareLinesLabel), lines, copy);
    return { element, show(firmware) {
      lines.value = firmware.join("\n");
      element.hidden = firmware.length === 0;
    } };
  }

  // The drive's diagram, at the head of the results: markup the module writes,
  // its every text escaped there, replaced only when it changes.
  function diagramBox() {
    const element = make("div", { className: "wb-diagram" });
    let drawn = "";
    return { element, show(svg) {
      if (svg === drawn) return;
      drawn = svg;
      element.innerHTML = svg;
    } };
  }

  // The inputs of `description` for which `wanted(input)` holds, section by
  // section, with the common drives and the folded sections; each control's
  // id begins with `prefix`. Gives {form, entries(), what is typed and
  // chosen, put(entries), which shows them, and show(outcome), which shows
  // the inputs the outcome shows and its messages beside them, giving the
  // messages of no input}.
  function inputForm(description, prefix, wanted = () => true) {
    const fields = description.inputs.filter(wanted).map((input) =>
      (input.kind === "text" ? textField : choiceField)(input, prefix));
    const fieldsByKey = new Map(fields.map((f) => [f.input.key, f]));

    const form = make("form", { className: "wb-inputs" });
    const sections = new Map();
    for (const f of fields) {
      if (!sections.has(f.input.section)) {
        const fieldset = make("fieldset", {}, make("legend", {}, f.input.section));
        sections.set(f.input.section, fieldset);
        form.append(fieldset);
      }
      sections.get(f.input.section).append(f.box);
    }
    const screwChoice = fieldsByKey.get(Object.keys(description.commonDrives[0]?.chosen ?? {})[0]);
    const screws = screwList(description, fieldsByKey, prefix);
    screwChoice?.box.after(screws);
    // Offered while the axis is moved as one of them moves it.
    const screwKeys = description.commonDrives.map((drive) => drive.mover);
    const updateFolds = window.cncFolding(sections, description.foldedSections, prefix);
    form.addEventListener("submit", (event) => event.preventDefault());

    return {
      form,
      entries() {
        const texts = {};
        const chosen = {};
        for (const { input, control } of fields) {
          if (input.kind === "text") texts[input.key] = control.value;
          else chosen[input.key] = control.selectedIndex;
        }
        return { texts, chosen };
      },
      // Each input as `given` ({texts, chosen}) has it, empty or at its first
      // alternative where it has nothing.
      put(given) {
        for (const { input, control } of fields) {
          if (input.kind === "text") control.value = given.texts[input.key] ?? "";
          else control.selectedIndex = given.chosen[input.key] ?? 0;
        }
      },
      show(outcome) {
        for (const f of fields) {
          f.box.hidden = !outcome.shown.includes(f.input.key);
          f.setMessage(outcome.errors.filter((e) => e.key === f.input.key)
            .map((e) => e.message).join(" "));
        }
        // The machine's unit's labels, where the module gives them, of the
        // inputs this form has (an axis's form has no machine-wide ones).
        for (const { key, label, description } of outcome.labels ?? []) {
          fieldsByKey.get(key)?.setLabel(label, description);
        }
        screws.hidden = !screwKeys.some((key) => outcome.shown.includes(key));
        // A section none of whose inputs applies (the units of a rotary axis).
        for (const [name, fieldset] of sections) {
          fieldset.hidden = fields.every((f) => f.input.section !== name || f.box.hidden);
        }
        updateFolds();
        return outcome.errors.filter((e) => !fieldsByKey.has(e.key)).map((e) => e.message);
      },
    };
  }

  // Builds the workbench in `root`, `header` (the language menu) first; gives
  // {fill(query), which shows what a link's query stands for, or says it is
  // none and keeps what it showed, kept(), what is typed and chosen, and
  // restore(kept)}.
  function build(core, root, separators, header) {
    const description = JSON.parse(core.workbenchDescription());
    const inputs = inputForm(description, "wb");
    const { form } = inputs;

    const general = make("p", { className: "wb-message", role: "status" });
    const diagram = diagramBox();
    const results = resultList("wb");
    const firmware = firmwarePanel(description, "wb");
    const answers = make("section", { className: "wb-answers", "aria-label": description.resultsLabel,
      tabIndex: -1 }, diagram.element, general, results.element, firmware.element);
    const summary = window.cncSummary(description, answers);
    root.replaceChildren(...(header ? [header] : []),
      make("h1", { id: "wb-title" }, description.title), summary.element,
      make("div", { className: "wb-columns" }, form, answers));
    root.setAttribute("aria-labelledby", "wb-title");

    // `address`: whether the address follows what is shown.
    function show(outcome, address = true) {
      general.textContent = inputs.show(outcome).join(" ");
      results.show(outcome.results);
      firmware.show(outcome.firmware);
      answers.hidden = !diagram.element.firstChild && !outcome.results.length &&
        !outcome.firmware.length && !general.textContent;
      summary.show(outcome);
      if (address) {
        history.replaceState(null, "", `#banco?${window.cncLanguage.address(outcome.address)}`);
      }
    }

    function evaluate(given, address = true) {
      const { decimal, group } = separators();
      const outcome = JSON.parse(core.evaluateWorkbench(given, decimal, group));
      diagram.show(outcome.diagram);
      show(outcome, address);
    }

    // Most edits say both "input" and "change": each state is answered once.
    let answered = "";
    const answerEntries = (address = true) => {
      const now = inputs.entries();
      const state = JSON.stringify(now);
      if (state === answered) return;
      answered = state;
      evaluate(now, address);
    };
    form.addEventListener("input", () => answerEntries());
    form.addEventListener("change", () => answerEntries());

    function put(given) {
      inputs.put(given);
      answered = JSON.stringify(inputs.entries());
    }

    return {
      // A link that is none leaves the entries and their answers as they
      // were (empty, the first time) and says so in one line; the address
      // keeps it until the next edit.
      fill(query) {
        const given = JSON.parse(core.workbenchEntries(query, separators().decimal));
        if (!given) {
          if (!answered) answerEntries(false);
          general.textContent = description.invalidAddressMessage;
          return;
        }
        put(given);
        evaluate(query);
      },
      kept: inputs.entries,
      restore(given) {
        put(given);
        evaluate(inputs.entries());
      },
    };
  }

  // A view built once by `build(core, root, separators, header)`, which
  // gives {fill(query), kept(), restore(kept)}: show(core, root, separators,
  // query, header) builds it the first time and fills it from an address's
  // query; show.again(core, root, separators, header) builds it again, in the
  // language the module now speaks, with what it kept restored.
  function viewOf(build) {
    let built = null;
    function show(core, root, separators, query, header) {
      built ??= build(core, root, separators, header);
      built.fill(query);
    }
    show.again = (core, root, separators, header) => {
      if (!built) return;
      const kept = built.kept();
      built = build(core, root, separators, header);
      built.restore(kept);
    };
    return show;
  }

  // The workbench; kept, everything typed and chosen.
  const show = viewOf(build);

  // The parts the machine's view (machine.js) builds its axes' forms from,
  // and the way it is shown.
  show.parts = { make, inputForm, resultList, firmwarePanel, viewOf };
  return show;
})();
