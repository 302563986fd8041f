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
  function choice(address) {
    const link = element("a", "start-choice");
    link.href = address;
    const caption = element("strong", "start-title");
    const description = element("span", "start-line");
    caption.id = `start-${address.slice(1)}-title`;
    description.id = `start-${address.slice(1)}-line`;
    link.setAttribute("aria-labelledby", caption.id);
    link.setAttribute("aria-describedby", description.id);
    link.append(caption, description);
    return { link, caption, description };
  }

  function switchTo(address) {
    const link = element("a", "switch");
    link.href = address;
    return link;
  }

  // start: the module's startDescription(), in the language `lang`. Gives
  // {title, screen, toWorkbench, toClassic, toMachine, machineToWorkbench,
  // retitle(start, lang)}: the start's title and element, the switches, for
  // the page to place (to the workbench from the window, to the window and to
  // the machine from the workbench, to the workbench from the machine), and
  // what puts the texts of another startDescription() in them.
  return function build(start, lang) {
    const screen = element("main", "start");
    screen.setAttribute("aria-labelledby", "start-heading");
    const heading = element("h1", "");
    heading.id = "start-heading";
    const choices = element("nav", "start-choices");
    choices.setAttribute("aria-labelledby", heading.id);
    const workbench = choice("#banco");
    const machine = choice("#macchina");
    const classic = choice("#finestra");
    choices.append(workbench.link, machine.link, classic.link);
    screen.append(heading, choices);
    const views = { screen, toWorkbench: switchTo("#banco"), toClassic: switchTo("#finestra"),
      toMachine: switchTo("#macchina"), machineToWorkbench: switchTo("#banco") };
    views.retitle = (texts, language) => {
      for (const element of [screen, views.toWorkbench, views.toClassic, views.toMachine,
        views.machineToWorkbench]) element.lang = language;
      views.title = texts.title;
      heading.textContent = texts.title;
      for (const [view, title, line] of [[workbench, texts.workbenchTitle, texts.workbenchLine],
        [machine, texts.machineTitle, texts.machineLine],
        [classic, texts.classicTitle, texts.classicLine]]) {
        view.caption.textContent = title;
        view.description.textContent = line;
      }
      views.toWorkbench.textContent = texts.workbenchTitle;
      views.machineToWorkbench.textContent = texts.workbenchTitle;
      views.toClassic.textContent = texts.classicTitle;
      views.toMachine.textContent = texts.machineTitle;
    };
    views.retitle(start, lang);
    return views;
  };
})();
