// SPDX-License-Identifier: GPL-3.0-or-later
// The page's start, which offers its three views, and the switches between
// them. The texts are the module's; the addresses are the page's own:
// "#banco" opens the workbench, "#macchina" the machine, "#finestra" the
// classic window.
"use strict";

window.cncStart = (() => {
  function element(tag, className, text) {
    const made = document.createElement(tag);
    made.className = className;
    if (text !== undefined) made.textContent = text;
    return made;
  }

  // A large link named by its title alone; its line describes it.
  function choice(address, title, line) {
    const link = element("a", "start-choice");
    link.href = address;
    const caption = element("strong", "start-title", title);
    const description = element("span", "start-line", line);
    caption.id = `start-${address.slice(1)}-title`;
    description.id = `start-${address.slice(1)}-line`;
    link.setAttribute("aria-labelledby", caption.id);
    link.setAttribute("aria-describedby", description.id);
    link.append(caption, description);
    return link;
  }

  function switchTo(address, title) {
    const link = element("a", "switch", title);
    link.href = address;
    return link;
  }

  // start: the module's startDescription(). Gives {title, screen,
  // toWorkbench, toClassic, toMachine, machineToWorkbench}: the start's title
  // and element, and the switches, for the page to place: to the workbench
  // from the window, to the window and to the machine from the workbench,
  // and to the workbench from the machine.
  return function build(start) {
    const screen = element("main", "start");
    screen.setAttribute("aria-labelledby", "start-heading");
    const heading = element("h1", "", start.title);
    heading.id = "start-heading";
    const choices = element("nav", "start-choices");
    choices.setAttribute("aria-labelledby", heading.id);
    choices.append(choice("#banco", start.workbenchTitle, start.workbenchLine),
      choice("#macchina", start.machineTitle, start.machineLine),
      choice("#finestra", start.classicTitle, start.classicLine));
    screen.append(heading, choices);
    return { title: start.title, screen, toWorkbench: switchTo("#banco", start.workbenchTitle),
      toClassic: switchTo("#finestra", start.classicTitle),
      toMachine: switchTo("#macchina", start.machineTitle),
      machineToWorkbench: switchTo("#banco", start.workbenchTitle) };
  };
})();
