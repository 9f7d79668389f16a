// The operations of browser.mjs on a page of playwright-core or puppeteer-core,
// which share them, with the page's uncaught exceptions and console errors.
export function pageOperations(page) {
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  return {
    goto: (url) => page.goto(url),
    evaluate: (script, argument) => page.evaluate(script, argument),
    click: (x, y) => page.mouse.click(x, y),
    tap: (x, y) => page.touchscreen.tap(x, y),
    errors: async () => errors,
  };
}
