// Debian's firefox-esr, headless, over WebDriver BiDi through puppeteer-core,
// which never downloads a browser of its own.
import puppeteer from 'puppeteer-core';
import { pageOperations } from './page-operations.mjs';

// Firefox has no options for a language or a colour scheme, but preferences.
const preferences = ({ locale, dark }) => ({
  ...(locale && { 'intl.accept_languages': locale }),
  'layout.css.prefers-color-scheme.content-override': dark ? 0 : 1,
  // The pages load from 127.0.0.1 alone, which Firefox never sends through a
  // proxy: every other address goes to a closed port and fails at once.
  'network.proxy.type': 1,
  'network.proxy.share_proxy_settings': true,
  'network.proxy.http': '127.0.0.1',
  'network.proxy.http_port': 9,
});

// Puppeteer's "Shift+Tab" is Shift held down around Tab; its space is " ".
async function press(keyboard, keys) {
  const [key, ...held] = keys.replace('Space', ' ').split('+').reverse();
  for (const modifier of held) await keyboard.down(modifier);
  await keyboard.press(key);
  for (const modifier of held.reverse()) await keyboard.up(modifier);
}

export async function launch(options) {
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
    extraPrefsFirefox: preferences(options),
  });
  const page = (await browser.pages())[0] ?? await browser.newPage();
  if (options.phone) await page.setViewport({ ...options.phone, hasTouch: true, isMobile: true });
  return {
    ...pageOperations(page),
    doubleClick: (x, y) => page.mouse.click(x, y, { count: 2 }),
    press: (keys) => press(page.keyboard, keys),
    close: () => browser.close(),
  };
}
