// Zandiro in a page. The game runs in WebAssembly (zandiro.js and its .wasm);
// this module draws what it reads from the game after every input and hands
// the game what the player does: presses, releases and double-clicks where
// they are drawn in the window, keys by their place on the keyboard, and the
// clicks a screen reader asks for. The game holds every rule of input, and
// decides what is heard; the page writes no text of its own.
import createZandiro from './zandiro.js';

const core = await createZandiro();
const game = {
  start: core.cwrap('zw_start', null, ['string']),
  languages: core.cwrap('zw_languages', 'string', []),
  catalogue: core.cwrap('zw_catalogue', 'number', ['number']),
  palette: core.cwrap('zw_palette', null, ['number', 'number', 'number']),
  press: core.cwrap('zw_press', null, ['number', 'number', 'string']),
  release: core.cwrap('zw_release', null, ['number', 'number', 'string']),
  doubleClick: core.cwrap('zw_double_click', null, ['number', 'number']),
  key: core.cwrap('zw_key', 'boolean', ['string', 'string', 'string', 'boolean', 'boolean',
                                        'boolean', 'boolean', 'boolean']),
  activate: core.cwrap('zw_activate', null, ['string']),
  closeBox: core.cwrap('zw_close_box', null, ['string']),
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

// Everything the page keeps between inputs.
const state = {
  elements: [],     // the main window's elements, by control id
  applied: [],      // the control each element last took, as JSON
  generation: -1,   // the build of the main window's controls the elements show
  heard: null,      // the serial of the last announcement put in the live region
  mainShown: false,
  codeShown: false,
  firstPress: null, // the press a second one may make a double-click of
  windowWidth: 0,   // the main window's own width, which the page scales down to a screen
};

// The player's language: the first of the browser's preferred languages that
// has a catalogue, or English. A language with a region ("pt-BR") also takes
// the catalogue of the language alone. Chinese goes by its script, which
// Intl.Locale knows where the tag leaves it out (zh-HK is written in
// Traditional characters, zh-SG in Simplified).
const chineseByScript = { Hant: 'zh_TW', Hans: 'zh_CN' };

function catalogueOf(tag, available) {
  const locale = new Intl.Locale(tag);
  if (locale.language === 'zh') return chineseByScript[locale.maximize().script];
  const candidates = [locale.region && `${locale.language}_${locale.region}`, locale.language];
  return candidates.find((candidate) => candidate && available.includes(candidate));
}

function chooseLanguage(available) {
  for (const tag of navigator.languages ?? [navigator.language]) {
    const found = catalogueOf(tag, available);
    if (found) return found;
    if (new Intl.Locale(tag).language === 'en') return '';
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

function setAttribute(element, attribute, value) {
  if (value === null || value === undefined || value === '') element.removeAttribute(attribute);
  else element.setAttribute(attribute, String(value));
}

function applyCaption(element, c) {
  if (element.textContent !== c.caption) element.textContent = c.caption;
  const style = element.style;
  style.fontFamily = c.font ? c.font.family : '';
  style.fontSize = c.font ? `${c.font.size}px` : '';
  style.fontWeight = c.font ? String(c.font.weight) : '';
}

function applyFill(element, c) {
  element.style.backgroundColor = c.background ?? '';
}

// Each kind of control: the element made for it, and how the state that is
// its own goes on that element.
const controlKinds = {
  label: {
    create: () => document.createElement('div'),
    apply(element, c) {
      applyCaption(element, c);
      element.style.color = c.colour;
      element.style.backgroundColor = c.background ?? 'transparent';
    },
  },
  button: {
    create: () => Object.assign(document.createElement('button'), { type: 'button', tabIndex: -1 }),
    apply: applyCaption,
  },
  image: {
    create: () => Object.assign(document.createElement('img'), { alt: '' }),
    apply(element, c) {
      applyFill(element, c);
      if (c.picture && !element.getAttribute('src')) {
        element.srcset = 'hold.png 1x, hold@2x.png 2x';
        element.src = 'hold.png';
      }
    },
  },
  roundrect: { create: () => document.createElement('div'), apply: applyFill },
  circle: { create: () => document.createElement('div'), apply: applyFill },
};

// What every control shows: its place, measured from the edge where the
// window's lines start, so that the browser draws a window read right to left
// mirrored; its size, drawing order and state.
function applyPlace(element, c) {
  element.className = `control ${c.kind}`;
  for (const flag of ['bordered', 'centred', 'autosize', 'wrap']) element.classList.toggle(flag, c[flag]);
  element.classList.toggle('disabled', !c.enabled);
  element.hidden = !c.visible;
  const style = element.style;
  style.insetInlineStart = `${c.inlineStart}px`;
  style.top = `${c.top}px`;
  style.width = c.autosize ? '' : `${c.width}px`;
  style.height = c.autosize ? '' : `${c.height}px`;
  style.zIndex = String(c.z);
}

// What a screen reader is told of a control.
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

function applyControl(element, c) {
  applyPlace(element, c);
  controlKinds[c.kind].apply(element, c);
  applyAccessibility(element, c);
}

// Restart builds the window's controls anew, and so the page does.
function rebuild(shown) {
  state.elements = shown.controls.map((c) => controlKinds[c.kind].create());
  controls.replaceChildren(...state.elements);
  state.applied = [];
  state.generation = shown.generation;
}

function drawMainWindow(view) {
  const shown = view.main;
  if (shown.generation !== state.generation) rebuild(shown);
  for (const c of shown.controls) {
    const applied = JSON.stringify(c);
    if (state.applied[c.id] !== applied) {
      applyControl(state.elements[c.id], c);
      state.applied[c.id] = applied;
    }
  }
  mainWindow.style.backgroundColor = shown.background;
  const root = document.documentElement.style;
  root.setProperty('--width', `${shown.width}px`);
  root.setProperty('--height', `${shown.height}px`);
  mainWindow.hidden = !shown.visible;
  $('frame').hidden = !shown.visible;
  document.title = shown.title;
  setAttribute(mainWindow, 'aria-label', shown.title);
  setAttribute(mainWindow, 'aria-activedescendant', view.focus);
  for (const element of mainWindow.querySelectorAll('.focused')) element.classList.remove('focused');
  if (view.focus) $(view.focus)?.classList.add('focused');
}

function drawCodeWindow(view) {
  const shown = view.code;
  codeWindow.hidden = !shown.visible;
  if (!shown.loaded) return;
  $('code-title').textContent = shown.title;
  setAttribute($('code-close'), 'aria-label', view.texts.close);
  let label = codeClient.firstElementChild;
  if (!label) codeClient.append(label = controlKinds.label.create());
  applyControl(label, shown.label);
  codeClient.style.width = `${shown.width}px`;
  codeClient.style.height = `${shown.height}px`;
}

// The window shown gets the keyboard, as a window that opens does on a desktop.
function moveKeyboard(view) {
  if (view.code.visible && !state.codeShown) codeClient.focus();
  if (view.main.visible && !state.mainShown &&
      (state.codeShown || document.activeElement === document.body)) {
    mainWindow.focus();
  }
  state.mainShown = view.main.visible;
  state.codeShown = view.code.visible;
}

// What the last input gave to hear, whatever made it, read once by a screen
// reader from a polite live region: each announcement is a new text node, so
// the same words twice are read twice.
function say(said) {
  if (state.heard !== null && said.serial !== state.heard && said.text) {
    $('said').replaceChildren(document.createTextNode(said.text));
  }
  state.heard = said.serial;
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

function draw(view = game.view()) {
  document.documentElement.dir = view.dir;
  if (view.ended) {
    end(view);
    return;
  }
  drawMainWindow(view);
  drawCodeWindow(view);
  say(view.said);
  moveKeyboard(view);
  showMessage(view);
}

// Input. Every input goes to the game, which takes none while a message box
// is open or after the end.

// A point of the main window as it is drawn, in its own pixels.
function windowPoint(event) {
  const box = mainWindow.getBoundingClientRect();
  const scale = box.width / mainWindow.offsetWidth;
  return { x: (event.clientX - box.left) / scale, y: (event.clientY - box.top) / scale };
}

// MouseEvent.button: 0, 1 and 2.
const buttonNames = ['left', 'middle', 'right'];
const buttonOf = (event) => buttonNames[event.button] ?? 'other';

// The second press within the double-click time, near the first, is a
// double-click and not a press, as a desktop delivers it.
const doubleClickTime = 400;

function isDoubleClick(event, point) {
  const earlier = state.firstPress;
  const near = event.pointerType === 'mouse' ? 4 : 16;
  const double = earlier !== null && event.timeStamp - earlier.time < doubleClickTime &&
                 Math.abs(point.x - earlier.x) <= near && Math.abs(point.y - earlier.y) <= near;
  state.firstPress = double ? null : { time: event.timeStamp, ...point };
  return double;
}

mainWindow.addEventListener('pointerdown', (event) => {
  const point = windowPoint(event);
  mainWindow.setPointerCapture(event.pointerId);
  if (isDoubleClick(event, point)) game.doubleClick(point.x, point.y);
  else game.press(point.x, point.y, buttonOf(event));
  draw();
});
mainWindow.addEventListener('pointerup', (event) => {
  const point = windowPoint(event);
  game.release(point.x, point.y, buttonOf(event));
  draw();
});
// A touch the browser takes over (a scroll) ends outside every control.
mainWindow.addEventListener('pointercancel', () => {
  game.release(-1, -1, 'left');
  draw();
});
// The window keeps the keyboard when one of its buttons is pressed.
mainWindow.addEventListener('mousedown', (event) => {
  event.preventDefault();
  mainWindow.focus({ preventScroll: true });
});
mainWindow.addEventListener('contextmenu', (event) => event.preventDefault());
// A click with no pointer behind it is one a screen reader asked for.
mainWindow.addEventListener('click', (event) => {
  const place = event.target.closest('[id]');
  if (event.detail === 0 && place && place !== mainWindow) {
    game.activate(place.id);
    draw();
  }
});

// Whether the game took a key pressed in one of its windows ("main", "code").
const sendKey = (windowName, event) =>
  game.key(windowName, event.code, event.key, event.shiftKey, event.ctrlKey, event.altKey,
           event.metaKey, event.repeat);

mainWindow.addEventListener('keydown', (event) => {
  if (!sendKey('main', event)) return;
  event.preventDefault();
  draw();
});

// Every key counts in the code window, as its codes are keys and not
// characters; Tab still moves to its close box, and the browser's own
// shortcuts keep working.
codeClient.addEventListener('keydown', (event) => {
  if (!sendKey('code', event)) return;
  if (event.code !== 'Tab' && !event.ctrlKey && !event.metaKey && !event.altKey) {
    event.preventDefault();
  }
  draw();
});
$('code-close').addEventListener('click', () => {
  game.closeBox('code');
  draw();
});

$('message-ok').addEventListener('click', () => message.close());
message.addEventListener('close', () => {
  game.messageClosed();
  draw();
});

// The game is drawn at its own size, or scaled down to a narrower screen.
function fitToScreen() {
  const scale = Math.min(1, innerWidth / state.windowWidth);
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
state.windowWidth = first.main.width;
fitToScreen();
draw(first);

// Offline after one visit: the service worker keeps the site's files, and the
// catalogue of the language in use, in Cache Storage. The game needs none of
// it: where the browser refuses the worker, the page plays on.
const catalogue = translated ? cataloguePath(language) : '';
navigator.serviceWorker?.register(`service-worker.js?catalogue=${encodeURIComponent(catalogue)}`)
  .catch(() => {});
