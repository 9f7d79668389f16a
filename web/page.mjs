// Zandiro in a page. The game runs in WebAssembly (zandiro.js and its .wasm);
// this module draws what it reads from the game after every input and hands
// the game what the player does: presses, releases and double-clicks where
// they are drawn in the window, keys by their place on the keyboard, and the
// clicks a screen reader asks for. The game holds every rule of input, and
// decides what is heard; the page writes no text of its own. The page's
// first frame stands in index.html as the build wrote it, and boot.js has run
// before this module: it chose the language, fetched and compiled the
// WebAssembly and kept the inputs made since (window.zandiroBoot).
import createZandiro from './zandiro.js';

const boot = window.zandiroBoot;
// The game's WebAssembly, which boot.js fetched and compiled.
const core = await createZandiro({
  instantiateWasm(imports, receive) {
    boot.wasm.then((module) => WebAssembly.instantiate(module, imports)
      .then((instance) => receive(instance, module)));
    return {};
  },
});
const game = {
  start: core.cwrap('zw_start', null, ['string']),
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
};

// The catalogue of the language boot.js chose, copied into the game.
async function loadCatalogue() {
  const response = await boot.catalogueResponse;
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

// The first drawing takes over the elements of the first frame, which the
// build made from the same controls; Restart builds the window's controls
// anew, and so the page does.
function rebuild(shown) {
  if (state.generation === -1 && controls.children.length === shown.controls.length) {
    state.elements = [...controls.children];
  } else {
    state.elements = shown.controls.map((c) => controlKinds[c.kind].create());
    controls.replaceChildren(...state.elements);
  }
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

// Whether the game took a key pressed in one of its windows ("main", "code").
const sendKey = (windowName, event) =>
  game.key(windowName, event.code, event.key, event.shiftKey, event.ctrlKey, event.altKey,
           event.metaKey, event.repeat);

// The main window's presses, releases and keys: as they come, and those
// boot.js kept before the start, which it has already captured.
const mainInputs = {
  pointerdown(event) {
    const point = windowPoint(event);
    if (event.eventPhase !== Event.NONE) mainWindow.setPointerCapture(event.pointerId);
    if (isDoubleClick(event, point)) game.doubleClick(point.x, point.y);
    else game.press(point.x, point.y, buttonOf(event));
    draw();
  },
  pointerup(event) {
    const point = windowPoint(event);
    game.release(point.x, point.y, buttonOf(event));
    draw();
  },
  // A touch the browser takes over (a scroll) ends outside every control.
  pointercancel() {
    game.release(-1, -1, 'left');
    draw();
  },
  keydown(event) {
    if (!sendKey('main', event)) return;
    event.preventDefault();
    draw();
  },
};
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

const darkScheme = matchMedia('(prefers-color-scheme: dark)');
darkScheme.addEventListener('change', () => {
  tellPalette();
  draw();
});

const { language } = boot;
const translated = language !== '' && await loadCatalogue();
document.documentElement.lang = translated ? language.replace('_', '-') : 'en';
tellPalette();
game.start(translated ? language : '');
// The first frame's elements drawn as the game stands, in its language; the
// first frame's own rules and hidden captions then give way to them.
draw();
controls.classList.remove('static');
document.documentElement.classList.remove('translating');
// The inputs made before the start, through the same entry, in order.
const early = boot.takeInputs();
for (const [type, handle] of Object.entries(mainInputs)) mainWindow.addEventListener(type, handle);
for (const event of early) mainInputs[event.type](event);
// The game as the page reads it, for tests and tools; it changes nothing.
window.zandiroView = game.view;

// Offline after one visit: the service worker keeps the site's files, and the
// catalogue of the language in use, in Cache Storage. The game needs none of
// it: where the browser refuses the worker, the page plays on.
const catalogue = translated ? boot.catalogue : '';
navigator.serviceWorker?.register(`service-worker.js?catalogue=${encodeURIComponent(catalogue)}`)
  .catch(() => {});
