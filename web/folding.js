// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench's optional sections, folded under their captions: each
// starts folded, opens when one of its inputs holds text, typed or filled by
// a link, and stays open while one does, so that no folded input changes the
// answers unseen.
"use strict";

// sections: section name -> its fieldset, whose legend holds the name;
// folded: the names of those that fold; prefix: what the folds' ids begin
// with. Gives update(), to call whenever the inputs' texts may have changed.
window.cncFolding = (sections, folded, prefix) => {
  const folds = [...sections].filter(([name]) => folded.includes(name))
    .map(([, fieldset], index) => {
      const legend = fieldset.querySelector("legend");
      const body = document.createElement("div");
      body.id = `${prefix}-fold-${index}`;
      body.append(...[...fieldset.children].filter((child) => child !== legend));
      fieldset.append(body);
      const toggle = document.createElement("button");
      toggle.type = "button";
      toggle.className = "wb-fold";
      toggle.textContent = legend.textContent;
      toggle.setAttribute("aria-controls", body.id);
      legend.replaceChildren(toggle);
      const open = (opened) => {
        toggle.setAttribute("aria-expanded", String(opened));
        body.hidden = !opened;
      };
      toggle.addEventListener("click", () => open(body.hidden));
      open(false);
      return () => {
        const holdsText = [...body.querySelectorAll("input")].some((input) => input.value !== "");
        if (holdsText) open(true);
        toggle.disabled = holdsText;
      };
    });
  return () => folds.forEach((update) => update());
};
