// SPDX-License-Identifier: GPL-3.0-or-later
// The machine ("Macchina") as a page: its firmware and name, its axes in
// tabs, each the workbench's drive form, and the block of lines for the
// whole machine with «Copia»; a machine file opened or downloaded, and an
// address that holds the whole machine. The WebAssembly module keeps every
// rule: this script holds the machine as the module gives it, hands it back
// with each change and shows the answers.
"use strict";

window.cncMachine = (() => {
  const { make, inputForm, resultList, firmwarePanel, viewOf } = window.cncWorkbench.parts;

  // A labelled control of the machine's own, its description under it.
  function labelled(control, label, description) {
    const box = make("div", { className: "wb-field" }, make("label", { htmlFor: control.id }, label));
    box.append(make("div", { className: "wb-control" }, control));
    if (description) {
      const small = make("small", { id: `${control.id}-description` }, description);
      control.setAttribute("aria-describedby", small.id);
      box.append(small);
    }
    return box;
  }

  function button(text, id) {
    return make("button", { type: "button", id }, text);
  }

  // Builds the machine's view in `root`, `header` (the language menu) first;
  // gives {fill(query), which shows a link's machine, or says it is none and
  // keeps what it showed, kept(), the machine and the axis shown, and
  // restore(kept)}.
  function build(core, root, separators, header) {
    const description = JSON.parse(core.machineDescription());
    const workbench = JSON.parse(core.workbenchDescription());

    const firmware = make("select", { id: "mc-firmware" },
      ...description.firmwares.map((f) => make("option", { value: f.value }, f.label)));
    const name = make("input", { type: "text", id: "mc-nome", spellcheck: false, autocomplete: "off" });
    const file = make("input", { type: "file", id: "mc-apri", accept: ".toml" });
    const save = button(description.saveLabel, "mc-salva");
    const fileMessage = make("p", { className: "wb-message", role: "status" });

    const tabs = make("div", { role: "tablist", className: "mc-tabs", "aria-label": description.axesLabel });
    const letters = make("select", { id: "mc-lettera" });
    const add = button(description.addLabel, "mc-aggiungi");
    const duplicate = button(description.duplicateLabel, "mc-duplica");
    const remove = button(description.removeLabel, "mc-rimuovi");

    const inputs = inputForm(workbench, "mc", (input) => description.axisInputs.includes(input.key));
    const panel = make("div", { role: "tabpanel", id: "mc-asse" }, inputs.form);
    const axisMessages = make("p", { className: "wb-message", role: "status" });
    const results = resultList("mc");
    const machineMessages = make("p", { className: "wb-message", role: "status" });
    const block = firmwarePanel(workbench, "mc");
    const answers = make("section", { className: "wb-answers", "aria-label": "Risultati" },
      axisMessages, results.element, machineMessages, block.element);

    root.replaceChildren(...(header ? [header] : []),
      make("h1", { id: "mc-title" }, description.title),
      make("form", { className: "mc-machine" },
        labelled(firmware, description.firmwareLabel, description.firmwareDescription),
        labelled(name, description.nameLabel, description.nameDescription),
        labelled(file, description.openLabel), save, fileMessage),
      make("div", { className: "mc-axes" }, tabs,
        make("div", { className: "mc-commands" }, labelled(letters, description.letterLabel), add,
          duplicate, remove)),
      make("div", { className: "wb-columns" }, panel, answers));
    root.setAttribute("aria-labelledby", "mc-title");

    let machine = null;  // as the module gives it
    let shown = 0;       // the index of the axis in view
    let answered = "";   // the machine last answered, as JSON

    const call = (method, ...args) => JSON.parse(core[method](...args));

    // The tabs, one for each axis, made again when the axes change; the one
    // shown selected.
    function showTabs(outcome) {
      const letters = outcome.axes.map((axis) => axis.letter);
      if ([...tabs.children].map((tab) => tab.textContent).join() !== letters.join()) {
        tabs.replaceChildren(...letters.map((letter, i) => {
          const tab = make("button", { type: "button", role: "tab", id: `mc-tab-${letter}` }, letter);
          tab.setAttribute("aria-controls", panel.id);
          tab.addEventListener("click", () => choose(i));
          return tab;
        }));
      }
      [...tabs.children].forEach((tab, i) => {
        tab.setAttribute("aria-selected", String(i === shown));
        tab.tabIndex = i === shown ? 0 : -1;
      });
      panel.setAttribute("aria-labelledby", `mc-tab-${letters[shown]}`);
    }

    // `put`: whether the controls take the machine's texts (a new machine,
    // another axis), rather than keep what is being typed.
    function answer(put = false) {
      const { decimal, group } = separators();
      const now = JSON.stringify(machine);
      const outcome = call("answerMachine", machine, decimal, group);
      answered = now;
      const axis = outcome.axes[shown];
      if (put) {
        firmware.value = machine.firmware;
        name.value = machine.name;
        inputs.put(axis.entries);
      }
      showTabs(outcome);
      axisMessages.textContent = inputs.show(axis).join(" ");
      results.show(axis.results);
      machineMessages.textContent = outcome.errors.join(" ");
      block.show(outcome.firmware);
      letters.replaceChildren(...[...outcome.freeLetters].map((letter) => make("option", {}, letter)));
      add.disabled = duplicate.disabled = outcome.freeLetters === "";
      remove.disabled = outcome.axes.length < 2;
      history.replaceState(null, "", `#macchina?${window.cncLanguage.address(outcome.address)}`);
    }

    function choose(index) {
      shown = index;
      answer(true);
      tabs.children[shown].focus();
    }

    // Arrow keys move among the tabs, as a tab list's do.
    tabs.addEventListener("keydown", (event) => {
      const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
      if (!step) return;
      event.preventDefault();
      choose((shown + step + machine.axes.length) % machine.axes.length);
    });

    // Each state is answered once, though most edits say "input" and "change".
    const edited = () => {
      machine = call("machineWithEntries", machine, shown, inputs.entries());
      if (JSON.stringify(machine) !== answered) answer();
    };
    inputs.form.addEventListener("input", edited);
    inputs.form.addEventListener("change", edited);
    const machineEdited = () => {
      machine = { ...machine, firmware: firmware.value, name: name.value };
      if (JSON.stringify(machine) !== answered) answer();
    };
    for (const control of [firmware, name]) {
      control.addEventListener("input", machineEdited);
      control.addEventListener("change", machineEdited);
    }

    function withAxis(like) {
      const letter = letters.value;
      const added = call("machineWithAxis", machine, letter, like);
      if (!added) return;
      machine = added;
      shown = machine.axes.findIndex((axis) => axis.letter === letter);
      answer(true);
    }
    add.addEventListener("click", () => withAxis(-1));
    duplicate.addEventListener("click", () => withAxis(shown));
    remove.addEventListener("click", () => {
      machine = call("machineWithoutAxis", machine, machine.axes[shown].letter);
      shown = Math.min(shown, machine.axes.length - 1);
      answer(true);
    });

    // A file that is no machine leaves the machine as it was, and says why.
    file.addEventListener("change", async () => {
      const [chosen] = file.files;
      if (!chosen) return;
      const read = call("machineOfFile", await chosen.text(), chosen.name, separators().decimal);
      file.value = "";
      fileMessage.textContent = read.error ?? "";
      if (read.error) return;
      machine = read.machine;
      shown = 0;
      answer(true);
    });

    save.addEventListener("click", () => {
      const text = core.machineFile(machine, separators().decimal);
      const link = make("a", { download: `${machine.name || description.title}.toml`,
        href: URL.createObjectURL(new Blob([text], { type: "application/toml" })) });
      link.click();
      setTimeout(() => URL.revokeObjectURL(link.href), 0);
    });

    return {
      // A link that is none leaves the machine as it was (a new one, the
      // first time) and says so in one line; the address keeps it until
      // the next edit.
      fill(query) {
        const linked = call("machineOfLink", query, separators().decimal);
        fileMessage.textContent = "";
        if (!linked) {
          if (!machine) {
            machine = call("machineOfLink", "", separators().decimal);
            const address = location.hash;
            answer(true);
            history.replaceState(null, "", address);
          }
          machineMessages.textContent = description.invalidAddressMessage;
          return;
        }
        machine = linked;
        shown = 0;
        answer(true);
      },
      kept: () => ({ machine, shown }),
      restore(kept) {
        ({ machine, shown } = kept);
        if (machine) answer(true);
      },
    };
  }

  // The machine; kept, the machine and the axis shown.
  return viewOf(build);
})();
