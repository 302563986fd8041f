// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench's summary: on a phone, the key results and the first message
// pinned at the top of the screen while the user types anywhere in the form;
// a tap goes to the full results. A wide screen keeps the whole results
// column in view instead, and page.css does not show the summary there.
"use strict";

window.cncSummary = (description, answers) => {
  const summary = document.createElement("button");
  summary.type = "button";
  summary.className = "wb-summary";
  summary.title = description.summaryHint;
  summary.addEventListener("click", () => {
    answers.scrollIntoView({ block: "start" });
    answers.focus({ preventScroll: true });
  });
  // What the page scrolls to (a focused input, the results) stops below the
  // summary rather than under it; with the summary not shown, at the top.
  new ResizeObserver(() => {
    document.documentElement.style.scrollPaddingTop = `${summary.offsetHeight}px`;
  }).observe(summary);

  const span = (className, text) => {
    const made = document.createElement("span");
    made.className = className;
    made.textContent = text;
    return made;
  };

  return {
    element: summary,
    // The results of summaryLabels the outcome holds, in that order, and its
    // first message; nothing of either hides the summary.
    show(outcome) {
      const rows = description.summaryLabels.flatMap((label) => outcome.results
        .filter((result) => result.label === label)
        .map((result) => {
          const row = span("wb-summary-row", "");
          row.append(span("wb-summary-label", result.label), " ",
            span("wb-summary-value", result.value));
          return row;
        }));
      const message = outcome.errors[0]?.message;
      if (message) rows.push(span("wb-summary-message", message));
      summary.replaceChildren(...rows);
      summary.hidden = rows.length === 0;
    },
  };
};
