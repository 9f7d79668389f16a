// Debian's chromium, headless, through playwright-core, which never downloads
// a browser of its own.
import { chromium } from 'playwright-core';
import { pageOperations } from './page-operations.mjs';

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

export async function launch({ locale, dark, phone }) {
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: flags });
  const page = await (await browser.newContext({
    locale, colorScheme: dark ? 'dark' : 'light',
    ...(phone && { viewport: phone, hasTouch: true, isMobile: true }),
  })).newPage();
  return {
    ...pageOperations(page),
    doubleClick: (x, y) => page.mouse.dblclick(x, y),
    press: (key) => page.keyboard.press(key),
    close: () => browser.close(),
  };
}
