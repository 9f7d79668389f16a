// WebKit, the engine of every iPhone browser, as Debian's WebKitGTK has it:
// WebKitWebDriver drives WebKitGTK's MiniBrowser, which has no headless mode,
// on a private Xvfb; this is a WebDriver client of the few commands the tests
// use. MiniBrowser takes its colour scheme from a flag and the page's
// languages from the locale (LANG), which it needs compiled (localedef).
import { execFile, spawn } from 'node:child_process';
import { existsSync, readdirSync } from 'node:fs';
import { mkdir, mkdtemp, rm, writeFile } from 'node:fs/promises';
import { once } from 'node:events';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { promisify } from 'node:util';

const miniBrowser = readdirSync('/usr/lib').map((triplet) => `/usr/lib/${triplet}/webkit2gtk-4.1/MiniBrowser`)
  .find(existsSync);
// WebDriver's own key values: Enter is the main keyboard's (U+E006), not the keypad's.
const keyValues = { Enter: '\uE006', Tab: '\uE004', Shift: '\uE008', Insert: '\uE016', End: '\uE010', Space: ' ' };

// A server the test starts, ended when the test's process ends in any way
// that lets it run its exit handlers.
function start(command, args, options) {
  const child = spawn(command, args, options);
  const end = () => child.kill();
  process.once('exit', end);
  child.once('exit', () => process.off('exit', end));
  return child;
}

async function startXvfb() {
  const xvfb = start('Xvfb', ['-displayfd', '3', '-screen', '0', '1024x768x24', '-nolisten', 'tcp'],
                     { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const [number] = await once(xvfb.stdio[3], 'data');
  return { xvfb, display: `:${String(number).trim()}` };
}

async function freePort() {
  const server = createServer().listen(0, '127.0.0.1');
  await once(server, 'listening');
  const { port } = server.address();
  server.close();
  return port;
}

// The environment of the driver and of the browser it starts: the display, a
// home of the test's own, the locale asked for, and MiniBrowser's toolbar
// allowed to shrink (a GTK style sheet) so that its window can be as narrow
// as a phone.
async function environment(folder, display, locale) {
  await mkdir(path.join(folder, 'gtk-3.0'));
  await writeFile(path.join(folder, 'gtk-3.0', 'gtk.css'), '* { min-width: 0; padding: 0; }\n');
  const env = { ...process.env, DISPLAY: display, HOME: folder, XDG_CONFIG_HOME: folder,
                XDG_CACHE_HOME: folder, XDG_DATA_HOME: folder, NO_AT_BRIDGE: '1', LANG: 'C.UTF-8',
                DBUS_SESSION_BUS_ADDRESS: 'unix:path=/nonexistent/zandiro-test-bus' };
  delete env.LC_ALL;
  if (locale) {
    const name = `${locale.replace('-', '_')}.UTF-8`;
    await promisify(execFile)('localedef', ['-i', name.split('.')[0], '-f', 'UTF-8', path.join(folder, name)]);
    Object.assign(env, { LOCPATH: folder, LANG: name });
  }
  return env;
}

// Errors come from the page itself once it has loaded: WebKitWebDriver has no
// console log to read.
function gatherErrors() {
  window.pageErrors = [];
  addEventListener('error', (event) => pageErrors.push(event.message));
  addEventListener('unhandledrejection', (event) => pageErrors.push(String(event.reason)));
  const error = console.error;
  console.error = (...parts) => {
    pageErrors.push(parts.join(' '));
    error(...parts);
  };
}

// A client of the driver at `port`, once it answers: command() sends one
// WebDriver command and resolves to its value.
async function driverClient(port, driver) {
  async function command(method, route, body) {
    const response = await fetch(`http://127.0.0.1:${port}${route}`, { method, body: JSON.stringify(body) });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`WebDriver ${route}: ${value.error}: ${value.message}`);
    return value;
  }
  while (!(await command('GET', '/status').catch(() => null))?.ready) {
    if (driver.exitCode !== null) throw new Error('WebKitWebDriver did not start');
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  return command;
}

// A MiniBrowser window of a new session; resolves to the session's path.
async function newSession(command, { dark, phone }) {
  const args = ['--automation', ...(dark ? ['--dark-mode'] : [])];
  const { sessionId } = await command('POST', '/session', {
    capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': { binary: miniBrowser, args } } } });
  const session = `/session/${sessionId}`;
  if (phone) await command('POST', `${session}/window/rect`, phone);
  return session;
}

// The operations of browser.mjs on one WebDriver session.
function operations(command, session) {
  const actions = (source) => command('POST', `${session}/actions`, { actions: [source] });
  // WebKitGTK turns a touch pointer into mouse events: a tap reaches the page
  // as a click.
  const pointer = (type, x, y, presses) => actions({
    type: 'pointer', id: type, parameters: { pointerType: type }, actions: [
      { type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport' },
      ...Array(presses).fill([{ type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }]).flat()],
  });
  const evaluate = (script, argument) =>
    command('POST', `${session}/execute/sync`, { script: `return (${script})(arguments[0])`, args: [argument ?? null] });
  return {
    goto: async (url) => {
      await command('POST', `${session}/url`, { url });
      await evaluate(gatherErrors);
    },
    evaluate,
    click: (x, y) => pointer('mouse', x, y, 1),
    doubleClick: (x, y) => pointer('mouse', x, y, 2),
    tap: (x, y) => pointer('touch', x, y, 1),
    press: (keys) => {
      const values = keys.split('+').map((key) => keyValues[key] ?? key);
      return actions({ type: 'key', id: 'keyboard', actions: [
        ...values.map((value) => ({ type: 'keyDown', value })),
        ...values.reverse().map((value) => ({ type: 'keyUp', value }))] });
    },
    errors: () => evaluate(() => window.pageErrors),
  };
}

export async function launch(options) {
  const folder = await mkdtemp(path.join(tmpdir(), 'zandiro-webkit-'));
  const servers = [];
  let endSession = async () => {};
  const close = async () => {
    await endSession();
    for (const server of servers.reverse()) {
      server.kill();
      if (server.exitCode === null && server.signalCode === null) await once(server, 'exit');
    }
    // The browser's helpers may still be leaving their files.
    await rm(folder, { recursive: true, force: true, maxRetries: 5 });
  };
  try {
    const { xvfb, display } = await startXvfb();
    servers.push(xvfb);
    const port = await freePort();
    const env = await environment(folder, display, options.locale);
    servers.push(start('WebKitWebDriver', [`--port=${port}`], { env, stdio: 'ignore' }));
    const command = await driverClient(port, servers.at(-1));
    const session = await newSession(command, options);
    endSession = () => command('DELETE', session).catch(() => {});
    return { ...operations(command, session), close };
  } catch (error) {
    await close();
    throw error;
  }
}
