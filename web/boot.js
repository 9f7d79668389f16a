// Runs in the page's head, before the first frame that the build wrote into
// the page is painted, and long before the game (page.mjs) has started:
// - chooses the player's language, once; where it is not English, marks the
//   document "translating", and the style sheet hides the first frame's
//   English captions until the game has drawn its own; mirrors the frame for
//   a language read right to left;
// - scales the window down to a screen narrower than it;
// - fetches the game's WebAssembly, the page's one request for it, and
//   compiles it as it comes in, while the page is painted and page.mjs loads;
//   and fetches the catalogue of the player's language;
// - keeps the presses, releases and keys meant for the game until it can take
//   them, as the game's window would take them.
// page.mjs takes all of it from window.zandiroBoot.
'use strict';
(() => {
  const root = document.documentElement;

  // The first of the browser's preferred languages that has a catalogue, or
  // English (""). A language with a region ("pt-BR") also takes the catalogue
  // of the language alone. Chinese goes by its script, which Intl.Locale
  // knows where the tag leaves it out (zh-HK is written in Traditional
  // characters, zh-SG in Simplified).
  const available = '@LANGUAGES@'.split(' ');
  const chineseByScript = { Hant: 'zh_TW', Hans: 'zh_CN' };

  // A tag the browser makes up from a bare C locale is no language tag, and
  // is passed over.
  function localeOf(tag) {
    try {
      return new Intl.Locale(tag);
    } catch {
      return null;
    }
  }

  function catalogueOf(locale) {
    if (locale.language === 'zh') return chineseByScript[locale.maximize().script];
    const candidates = [locale.region && `${locale.language}_${locale.region}`, locale.language];
    return candidates.find((candidate) => candidate && available.includes(candidate));
  }

  function chooseLanguage() {
    for (const locale of (navigator.languages ?? [navigator.language]).map(localeOf)) {
      if (!locale) continue;
      const found = catalogueOf(locale);
      if (found) return found;
      if (locale.language === 'en') return '';
    }
    return '';
  }

  const language = chooseLanguage();
  if (language) root.classList.add('translating');
  // The build asks the game which languages it reads right to left; the
  // first frame is mirrored as the game will draw it.
  if (language && '@RIGHT_TO_LEFT@'.split(' ').includes(language)) root.dir = 'rtl';

  // The window is drawn at its own size (--width, from the style sheet), or
  // scaled down as a whole to a narrower screen.
  function fitToScreen() {
    const width = parseFloat(getComputedStyle(root).getPropertyValue('--width'));
    root.style.setProperty('--scale', String(Math.min(1, innerWidth / width)));
  }
  fitToScreen();
  addEventListener('resize', fitToScreen);

  // Inputs before the start: a press on the game's window captures its
  // pointer there, as the window does, so that its release comes to the
  // window too; a key goes to the game while nothing else has the keyboard.
  const inputs = [];
  const gameWindow = (event) => event.target.closest?.('#zandiro');
  const forTheGame = (event) =>
    gameWindow(event) || (event.type === 'keydown' && event.target === document.body);
  const keep = (event) => {
    if (!forTheGame(event)) return;
    if (event.type === 'pointerdown') gameWindow(event).setPointerCapture(event.pointerId);
    inputs.push(event);
  };
  // The window keeps the keyboard when one of its buttons is pressed, and
  // has no context menu.
  const holdFocus = (event) => {
    if (!gameWindow(event)) return;
    event.preventDefault();
    if (event.type === 'mousedown') gameWindow(event).focus({ preventScroll: true });
  };
  const kept = ['pointerdown', 'pointerup', 'pointercancel', 'keydown'];
  for (const type of kept) document.addEventListener(type, keep, true);
  for (const type of ['mousedown', 'contextmenu']) document.addEventListener(type, holdFocus, true);

  const catalogue = language && `locale/${language}/LC_MESSAGES/zandiro.mo`;
  window.zandiroBoot = {
    language,
    catalogue, // its path, or "" in English
    catalogueResponse: catalogue ? fetch(catalogue) : null,
    wasm: WebAssembly.compileStreaming(fetch('zandiro.wasm', { credentials: 'same-origin' })),
    // The inputs kept so far, in order; from now on the game takes them.
    takeInputs() {
      for (const type of kept) document.removeEventListener(type, keep, true);
      for (const type of ['mousedown', 'contextmenu']) document.removeEventListener(type, holdFocus, true);
      return inputs;
    },
  };
})();
