// Opens the built site (the folder named by ZANDIRO_SITE) in Debian's chromium,
// headless, through playwright-core, which never downloads a browser of its own.
import { chromium } from 'playwright-core';
import { serve } from './server.mjs';

export const flags = [
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  // Without these Chromium keeps calling home, which a closed network refuses.
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
  // The pages load from 127.0.0.1 alone: every host name fails at once,
  // without a DNS query.
  '--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1',
];
// Chromium will not start its sandbox as root.
if (process.getuid?.() === 0) flags.push('--no-sandbox');

// Serves the site, starts chromium and loads `pathname` of the site (its index
// by default) in a browser context with `options` (viewport, touch, locale,
// colour scheme). Resolves to {page, browser, server, errors, close()}: errors
// gathers the page's uncaught exceptions and console errors as text.
export async function openSite(pathname = '', options = {}) {
  const folder = process.env.ZANDIRO_SITE;
  if (!folder) throw new Error('ZANDIRO_SITE must name the built site folder');
  const server = await serve(folder);
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: flags });
  const page = await (await browser.newContext(options)).newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  const close = async () => {
    await browser.close();
    await server.close();
  };
  try {
    await page.goto(server.url + pathname);
  } catch (error) {
    await close();
    throw error;
  }
  return { page, browser, server, errors, close };
}
