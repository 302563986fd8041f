// SPDX-License-Identifier: GPL-3.0-or-later
// Headless Chromium driven over WebDriver (chromedriver on loopback), and the
// built page served from 127.0.0.1: what the page's test and benchmark share.
// No npm package: node's own http, fetch and child_process.

import { spawn } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, rmSync } from "node:fs";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import { extname, join, normalize } from "node:path";

export const chromium = process.env.CNC_CHROMIUM ?? "/usr/bin/chromium";
export const chromedriver = process.env.CNC_CHROMEDRIVER ?? "/usr/bin/chromedriver";

const types = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
  ".wasm": "application/wasm", ".svg": "image/svg+xml", ".png": "image/png",
  ".webmanifest": "application/manifest+json",
};

// Serves `root` on 127.0.0.1 at a free port; resolves to {url, close}.
export function serve(root) {
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname));
    const file = join(root, path.endsWith("/") ? `${path}index.html` : path);
    if (!file.startsWith(root) || !existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { "content-type": types[extname(file)] ?? "application/octet-stream" });
    response.end(readFileSync(file));
  });
  return new Promise((resolve) => {
    server.listen(0, "127.0.0.1", () => resolve({
      url: `http://127.0.0.1:${server.address().port}/`,
      close: () => new Promise((done) => server.close(done)),
    }));
  });
}

function freePort() {
  const probe = createServer();
  return new Promise((resolve) => probe.listen(0, "127.0.0.1", () => {
    const { port } = probe.address();
    probe.close(() => resolve(port));
  }));
}

// How WebDriver names an element in a script's arguments: {[ELEMENT]: id}.
export const ELEMENT = "element-6066-11e4-a52e-4f735466cecf";

// One browser session: a fresh profile, the given language.
export async function openBrowser(language) {
  const port = await freePort();
  const driver = spawn(chromedriver, [`--port=${port}`, "--allowed-ips=127.0.0.1"],
    { stdio: "ignore" });
  const base = `http://127.0.0.1:${port}`;
  for (let i = 0; ; ++i) {
    try {
      if ((await fetch(`${base}/status`)).ok) break;
    } catch (error) {
      if (i > 100) throw error;
    }
    await new Promise((r) => setTimeout(r, 50));
  }
  const profile = mkdtempSync(join(tmpdir(), "cnc-web-"));
  const call = async (method, path, body) => {
    const response = await fetch(`${base}${path}`, {
      method, headers: { "content-type": "application/json" },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`${method} ${path}: ${value?.message ?? response.status}`);
    return value;
  };
  const { sessionId } = await call("POST", "/session", {
    capabilities: { alwaysMatch: { browserName: "chrome", "goog:chromeOptions": {
      binary: chromium,
      args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
        "--disable-background-networking", "--disable-component-update", "--disable-sync",
        `--user-data-dir=${profile}`, `--lang=${language}`, "--window-size=1024,768"],
      prefs: { "intl.accept_languages": language },
    } } },
  });
  const session = `/session/${sessionId}`;
  const element = (value) => value[ELEMENT];

  return {
    go: (url) => call("POST", `${session}/url`, { url }),
    run: (script, ...args) => call("POST", `${session}/execute/sync`, { script, args }),
    find: async (css) => (await call("POST", `${session}/elements`,
      { using: "css selector", value: css })).map(element),
    label: (id) => call("GET", `${session}/element/${id}/computedlabel`),
    role: (id) => call("GET", `${session}/element/${id}/computedrole`),
    displayed: (id) => call("GET", `${session}/element/${id}/displayed`),
    value: (id) => call("GET", `${session}/element/${id}/property/value`),
    text: (id) => call("GET", `${session}/element/${id}/text`),
    click: (id) => call("POST", `${session}/element/${id}/click`, {}),
    clear: (id) => call("POST", `${session}/element/${id}/clear`, {}),
    type: (id, text) => call("POST", `${session}/element/${id}/value`, { text }),
    active: async () => element(await call("GET", `${session}/element/active`)),
    screenshot: (id) => call("GET", `${session}/element/${id}/screenshot`),
    // What the viewport shows, as PNG in base64.
    viewport: () => call("GET", `${session}/screenshot`),
    // A command of the DevTools protocol, passed on by chromedriver:
    // cdp("Emulation.setDeviceMetricsOverride", {width: 360, ...}).
    cdp: (cmd, params = {}) => call("POST", `${session}/goog/cdp/execute`, { cmd, params }),
    async close() {
      await call("DELETE", session).catch(() => {});
      driver.kill();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Waits until the page says it is ready for input.
export async function waitReady(browser) {
  for (let i = 0; i < 200; ++i) {
    if (await browser.run("return document.documentElement.dataset.ready === 'true'")) return;
    await new Promise((r) => setTimeout(r, 25));
  }
  throw new Error("the page never became ready");
}
