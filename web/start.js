// SPDX-License-Identifier: GPL-3.0-or-later
// The page's start, which offers its two views, and the switch each view
// shows to the other. The texts are the module's; the addresses are the
// page's own: "#banco" opens the workbench, "#finestra" the classic window.
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
  // {title, screen, toWorkbench, toClassic, retitle(start, lang)}: the
  // start's title and element, the two switches, for the page to place, and
  // what puts the texts of another startDescription() in them.
  return function build(start, lang) {
    const screen = element("main", "start");
    screen.setAttribute("aria-labelledby", "start-heading");
    const heading = element("h1", "");
    heading.id = "start-heading";
    const choices = element("nav", "start-choices");
    choices.setAttribute("aria-labelledby", heading.id);
    const workbench = choice("#banco");
    const classic = choice("#finestra");
    choices.append(workbench.link, classic.link);
    screen.append(heading, choices);
    const views = { screen, toWorkbench: switchTo("#banco"), toClassic: switchTo("#finestra") };
    views.retitle = (texts, language) => {
      for (const element of [screen, views.toWorkbench, views.toClassic]) element.lang = language;
      views.title = texts.title;
      heading.textContent = texts.title;
      workbench.caption.textContent = texts.workbenchTitle;
      workbench.description.textContent = texts.workbenchLine;
      classic.caption.textContent = texts.classicTitle;
      classic.description.textContent = texts.classicLine;
      views.toWorkbench.textContent = texts.workbenchTitle;
      views.toClassic.textContent = texts.classicTitle;
    };
    views.retitle(start, lang);
    return views;
  };
})();
