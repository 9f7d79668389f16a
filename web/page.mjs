// Zandiro in a page. The game runs in WebAssembly (zandiro.js and its .wasm);
// this module draws what it reads from the game after every event and hands
// the game what the player does: presses, releases and double-clicks in the
// window's own pixels, keys by their place on the keyboard, and the clicks a
// screen reader asks for. It decides nothing and writes no text of its own.
import createZandiro from './zandiro.js';

const core = await createZandiro();
const game = {
  start: core.cwrap('zw_start', null, ['string']),
  languages: core.cwrap('zw_languages', 'string', []),
  catalogue: core.cwrap('zw_catalogue', 'number', ['number']),
  palette: core.cwrap('zw_palette', null, ['number', 'number', 'number']),
  pointer: core.cwrap('zw_pointer', null, ['number', 'number', 'number', 'number']),
  key: core.cwrap('zw_key', 'number', ['string', 'string', 'number', 'number']),
  activate: core.cwrap('zw_activate', null, ['string']),
  closeCodeWindow: core.cwrap('zw_close_code_window', null, []),
  messageClosed: core.cwrap('zw_message_closed', null, []),
  view: () => JSON.parse(core.ccall('zw_view', 'string', [], [])),
};

// The game as the page reads it, for tests and tools; it changes nothing.
window.zandiroView = game.view;

const $ = (id) => document.getElementById(id);
const mainWindow = $('zandiro');
// The window's controls stand in a toolbar: Orca turns to focus mode, where
// keys reach the page, when the focus comes to a place in a toolbar; in an
// application alone it may stay in browse mode and take R or 3 for its own
// moves through the page.
const controls = mainWindow.querySelector('.controls');
const codeWindow = $('code');
const codeClient = $('code-client');
const message = $('message');

// The player's language: the first of the browser's preferred languages that
// has a catalogue, or English; a language with a region ("pt-BR") also takes
// the catalogue of the language alone.
// Chinese is chosen by its script where the tag names one: Traditional as in
// Taiwan, Hong Kong and Macao, Simplified elsewhere.
const chineseRegions = { Hant: 'TW', Hans: 'CN', HK: 'TW', MO: 'TW', SG: 'CN' };

function chooseLanguage(available) {
  for (const tag of navigator.languages ?? [navigator.language]) {
    const [language, ...rest] = tag.split('-');
    let region = rest.find((part) => part.length === 2);
    if (language.toLowerCase() === 'zh') {
      region = chineseRegions[rest.find((part) => part in chineseRegions)] ?? region ?? 'CN';
    }
    const candidates = [region ? `${language.toLowerCase()}_${region.toUpperCase()}` : null,
                        language.toLowerCase()];
    const found = candidates.find((name) => name && available.includes(name));
    if (found) return found;
    if (language.toLowerCase() === 'en') return '';
  }
  return '';
}

const cataloguePath = (language) => `locale/${language}/LC_MESSAGES/zandiro.mo`;

async function loadCatalogue(language) {
  const response = await fetch(cataloguePath(language));
  if (!response.ok) return false;
  const bytes = new Uint8Array(await response.arrayBuffer());
  core.HEAPU8.set(bytes, game.catalogue(bytes.length));
  return true;
}

// The scheme's text colour, which the game draws captions in where it can
// be read on their backgrounds.
function tellPalette() {
  const [red, green, blue] = getComputedStyle(document.body).color.match(/\d+/g).map(Number);
  game.palette(red, green, blue);
}

// Drawing.

const elementKinds = {
  label: () => document.createElement('div'),
  button: () => Object.assign(document.createElement('button'), {type: 'button', tabIndex: -1}),
  image: () => Object.assign(document.createElement('img'), {alt: ''}),
  roundrect: () => document.createElement('div'),
  circle: () => document.createElement('div'),
};

let elements = [];
let drawn = [];
let generation = -1;
let lastSaid = null;
let mainShown = false;
let codeShown = false;

function setAttribute(element, name, value) {
  if (value === null || value === undefined || value === '') element.removeAttribute(name);
  else element.setAttribute(name, String(value));
}

function applyFont(style, font) {
  style.fontFamily = font ? font.family : '';
  style.fontSize = font ? `${font.size}px` : '';
  style.fontWeight = font ? String(font.weight) : '';
}

// A control's place, look and state, and what a screen reader is told of it.
function applyControl(element, c, windowWidth) {
  const style = element.style;
  element.className = `control ${c.kind}`;
  for (const flag of ['bordered', 'centred', 'autosize', 'wrap']) element.classList.toggle(flag, c[flag]);
  element.classList.toggle('disabled', !c.enabled);
  element.hidden = !c.visible;
  // A window drawn mirrored places each control by its right edge, which
  // also holds for a label as wide as its text.
  const right = document.documentElement.dir === 'rtl';
  style.left = right ? '' : `${c.drawnLeft}px`;
  style.right = right ? `${windowWidth - c.drawnLeft - c.width}px` : '';
  style.top = `${c.top}px`;
  style.width = c.autosize ? '' : `${c.width}px`;
  style.height = c.autosize ? '' : `${c.height}px`;
  style.zIndex = String(c.z);
  if (c.kind === 'label' || c.kind === 'button') {
    if (element.textContent !== c.caption) element.textContent = c.caption;
    applyFont(style, c.font);
  }
  if (c.kind === 'label') {
    style.color = c.colour;
    style.backgroundColor = c.background ?? 'transparent';
  } else if (c.kind !== 'button') {
    style.backgroundColor = c.background ?? '';
  }
  if (c.kind === 'image' && c.picture && !element.getAttribute('src')) {
    element.srcset = 'hold.png 1x, hold@2x.png 2x';
    element.src = 'hold.png';
  }
  applyAccessibility(element, c);
}

function applyAccessibility(element, c) {
  const silent = !c.place && (c.kind !== 'label' || c.caption.trim() === '');
  setAttribute(element, 'aria-hidden', silent ? 'true' : null);
  if (!c.place) return;
  element.id = c.place;
  if (c.kind !== 'button') setAttribute(element, 'role', c.role);
  setAttribute(element, 'aria-label', c.role === 'checkbox' ? c.name : null);
  setAttribute(element, 'aria-checked', c.role === 'checkbox' ? String(c.checked) : null);
  setAttribute(element, 'aria-description', c.description);
  setAttribute(element, 'aria-disabled', c.enabled ? null : 'true');
}

// Restart builds the window's controls anew, and so the page does.
function rebuild(window) {
  controls.replaceChildren();
  elements = window.controls.map((c) => {
    const element = elementKinds[c.kind]();
    controls.append(element);
    return element;
  });
  drawn = [];
  generation = window.generation;
}

function drawMainWindow(view) {
  const window = view.main;
  if (window.generation !== generation) rebuild(window);
  for (const c of window.controls) {
    const key = JSON.stringify(c);
    if (drawn[c.id] !== key) {
      applyControl(elements[c.id], c, window.width);
      drawn[c.id] = key;
    }
  }
  mainWindow.style.backgroundColor = window.background;
  const root = document.documentElement.style;
  root.setProperty('--width', `${window.width}px`);
  root.setProperty('--height', `${window.height}px`);
  mainWindow.hidden = !window.visible;
  $('frame').hidden = !window.visible;
  document.title = window.title;
  setAttribute(mainWindow, 'aria-label', window.title);
  setAttribute(mainWindow, 'aria-activedescendant', view.focus);
  for (const element of mainWindow.querySelectorAll('.focused')) element.classList.remove('focused');
  if (view.focus) $(view.focus)?.classList.add('focused');
}

function drawCodeWindow(view) {
  const window = view.code;
  codeWindow.hidden = !window.visible;
  if (!window.loaded) return;
  $('code-title').textContent = window.title;
  setAttribute($('code-close'), 'aria-label', view.texts.close);
  let label = codeClient.firstElementChild;
  if (!label) codeClient.append(label = elementKinds.label());
  applyControl(label, window.label, window.width);
  codeClient.style.width = `${window.width}px`;
  codeClient.style.height = `${window.height}px`;
}

// The window shown gets the keyboard, as a window that opens does on a desktop.
function moveKeyboard(view) {
  if (view.code.visible && !codeShown) codeClient.focus();
  if (view.main.visible && !mainShown && (codeShown || document.activeElement === document.body)) {
    mainWindow.focus();
  }
  mainShown = view.main.visible;
  codeShown = view.code.visible;
}

// What the last key said, read once by a screen reader from a polite live
// region: each announcement is a new text node, so the same words twice are
// read twice.
function say(said) {
  if (lastSaid !== null && said.serial !== lastSaid && said.text) {
    $('said').replaceChildren(document.createTextNode(said.text));
  }
  lastSaid = said.serial;
}

function showMessage(view) {
  if (view.message === null || message.open) return;
  $('message-title').textContent = view.texts.application;
  $('message-text').textContent = view.message;
  $('message-ok').textContent = view.texts.ok;
  message.showModal();
  $('message-ok').focus();
}

function end(view) {
  $('frame').hidden = true;
  codeWindow.hidden = true;
  $('ended').textContent = view.texts.ended;
  $('ended').hidden = false;
}

let ended = false;

function draw(view = game.view()) {
  if (view.ended) {
    ended = true;
    end(view);
    return;
  }
  document.documentElement.dir = view.rightToLeft ? 'rtl' : 'ltr';
  drawMainWindow(view);
  drawCodeWindow(view);
  say(view.said);
  moveKeyboard(view);
  showMessage(view);
}

// Input. Nothing reaches the game while a message box is open or after the end.

const busy = () => ended || message.open;

// A point of the main window's client area, in its own pixels.
function windowPoint(event) {
  const box = mainWindow.getBoundingClientRect();
  const scale = box.width / mainWindow.offsetWidth;
  return {x: (event.clientX - box.left) / scale, y: (event.clientY - box.top) / scale};
}

// The second press within the double-click time, near the first, is a
// double-click and not a press, as a desktop delivers it.
const doubleClickTime = 400;
let firstPress = null;

function isDoubleClick(event, point) {
  const near = event.pointerType === 'mouse' ? 4 : 16;
  const double = firstPress !== null && event.timeStamp - firstPress.time < doubleClickTime &&
                 Math.abs(point.x - firstPress.x) <= near && Math.abs(point.y - firstPress.y) <= near;
  firstPress = double ? null : {time: event.timeStamp, ...point};
  return double;
}

mainWindow.addEventListener('pointerdown', (event) => {
  if (busy()) return;
  const point = windowPoint(event);
  mainWindow.setPointerCapture(event.pointerId);
  game.pointer(isDoubleClick(event, point) ? 2 : 0, point.x, point.y, event.button);
  draw();
});
mainWindow.addEventListener('pointerup', (event) => {
  if (busy()) return;
  const point = windowPoint(event);
  game.pointer(1, point.x, point.y, event.button);
  draw();
});
// A touch the browser takes over (a scroll) ends outside every control.
mainWindow.addEventListener('pointercancel', () => {
  if (busy()) return;
  game.pointer(1, -1, -1, 0);
  draw();
});
// The window keeps the keyboard when one of its buttons is pressed.
mainWindow.addEventListener('mousedown', (event) => {
  event.preventDefault();
  mainWindow.focus({preventScroll: true});
});
mainWindow.addEventListener('contextmenu', (event) => event.preventDefault());
// A click with no pointer behind it is one a screen reader asked for.
mainWindow.addEventListener('click', (event) => {
  const place = event.target.closest('[id]');
  if (event.detail === 0 && place && place !== mainWindow && !busy()) {
    game.activate(place.id);
    draw();
  }
});

function modifiers(event) {
  return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0) |
         (event.metaKey ? 8 : 0);
}

mainWindow.addEventListener('keydown', (event) => {
  if (busy()) return;
  if (game.key(event.code, event.key, modifiers(event), event.repeat ? 1 : 0)) {
    event.preventDefault();
    draw();
  }
});

// Every key counts in the code window, as its codes are keys and not
// characters; Tab still moves to its close box, and the browser's own
// shortcuts keep working.
codeClient.addEventListener('keydown', (event) => {
  if (busy() || !game.key(event.code, event.key, modifiers(event), event.repeat ? 1 : 0)) return;
  if (event.code !== 'Tab' && !event.ctrlKey && !event.metaKey && !event.altKey) {
    event.preventDefault();
  }
  draw();
});
$('code-close').addEventListener('click', () => {
  if (busy()) return;
  game.closeCodeWindow();
  draw();
});

$('message-ok').addEventListener('click', () => message.close());
message.addEventListener('close', () => {
  game.messageClosed();
  draw();
});

// The game is drawn at its own size, or scaled down to a narrower screen.
let windowWidth = 0;

function fitToScreen() {
  // The window's width, which the browser knows without laying the page out.
  const scale = Math.min(1, innerWidth / windowWidth);
  document.documentElement.style.setProperty('--scale', String(scale));
}

const darkScheme = matchMedia('(prefers-color-scheme: dark)');
darkScheme.addEventListener('change', () => {
  tellPalette();
  draw();
});
addEventListener('resize', fitToScreen);

const language = chooseLanguage(game.languages().split(' '));
const translated = language !== '' && await loadCatalogue(language);
document.documentElement.lang = translated ? language.replace('_', '-') : 'en';
tellPalette();
game.start(translated ? language : '');
// Scaled before the first drawing, so that the browser lays the page out once.
const first = game.view();
windowWidth = first.main.width;
fitToScreen();
draw(first);

// Offline after one visit: the service worker keeps the site's files, and the
// catalogue of the language in use, in Cache Storage. The game needs none of
// it: where the browser refuses the worker, the page plays on.
const catalogue = translated ? cataloguePath(language) : '';
navigator.serviceWorker?.register(`service-worker.js?catalogue=${encodeURIComponent(catalogue)}`)
  .catch(() => {});
