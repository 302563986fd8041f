// SPDX-License-Identifier: GPL-3.0-or-later
// The bridge to the WebAssembly module: every call of the page's goes
// through it. The module exports plain C functions (web/exports.h): a text
// goes in as its UTF-8 bytes, copied into memory the module allocates and
// freed after the call, and a value that is more than a text as its JSON;
// a text answer is read from the module's memory at once, since the next
// call reuses it. Each function keeps the name the page calls it by:
//   (await cncCore()).translate("Lingua")  -> "Language" with en's catalogue
"use strict";

window.cncCore = (() => {
  // Each function's arguments, a letter each: s a text, j a value sent as
  // its JSON, b bytes (a Uint8Array), i an integer or a boolean; and its
  // answer: a text, or with "?" a boolean.
  const FUNCTIONS = {
    pressCalcola: "jiiss", layoutJson: "",
    useCatalogue: "b?", translate: "s",
    startDescription: "", workbenchDescription: "", evaluateWorkbench: "jss",
    workbenchEntries: "ss",
    machineDescription: "", machineOfLink: "ss", machineOfFile: "sss", machineFile: "js",
    machineWithEntries: "jij", machineWithAxis: "jsi", machineWithoutAxis: "js",
    answerMachine: "jss",
  };
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();

  function bridge(module) {
    const bytesOf = (type, value) => (type === "b" ? value
      : encoder.encode(type === "j" ? JSON.stringify(value) : value));

    function call(name, types, values) {
      const taken = [];
      try {
        const args = [];
        [...types.replace("?", "")].forEach((type, i) => {
          if (type === "i") {
            args.push(Number(values[i]));
            return;
          }
          const bytes = bytesOf(type, values[i]);
          // Never malloc(0), whose answer may be no address at all.
          const at = module._malloc(Math.max(bytes.length, 1));
          taken.push(at);
          module.HEAPU8.set(bytes, at);
          args.push(at, bytes.length);
        });
        const answer = module[`_${name}`](...args);
        if (types.endsWith("?")) return answer !== 0;
        return decoder.decode(module.HEAPU8.subarray(answer, answer + module._answerSize()));
      } finally {
        for (const at of taken) module._free(at);
      }
    }

    return Object.fromEntries(Object.entries(FUNCTIONS).map(([name, types]) =>
      [name, (...values) => call(name, types, values)]));
  }

  // The module, loaded, as an object of the functions above.
  return () => createCore().then(bridge);
})();
