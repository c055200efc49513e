// The DOM side of the browser window system (web_window_system.cpp): builds
// each dialog from the template the program passes, control by control, as
// real form controls at their template rectangles in dialog units, and turns
// what a person does there into queued messages for the program.
//
// Dialog units: the base units come from the dialog's font as the page
// renders it (the average width of the 52 letters, and the font's height);
// a horizontal unit is a quarter of the first, a vertical one an eighth of
// the second. Everything is in CSS pixels, so the dialog scales with the
// browser's zoom, and where a caption does not fit, the units grow until
// it does (wider first, then taller) rather than clip it.
//
// A window without an owner is a part of the page (role "dialog"); a window
// with one is a modal <dialog> element above it. A window wider than the
// viewport (a phone) is scaled down to fit it, layout and all, with CSS zoom;
// on a coarse pointer (a finger) it is made narrower only, so that its rows
// keep their height and the tap bands stay 24 px apart.
//
// Positions, sizes, fonts and zoom go into rules of the page's own
// stylesheet, one rule per element, never into style attributes: a copy of
// the page saved by the browser serialises the live DOM, and its security
// policy refuses style attributes (changing a rule through the CSSOM is
// allowed, and leaves the stylesheet's text, and so its hash, as it was).

mergeInto(LibraryManager.library, {
  $RadixelDom: {
    windows: {},     // key -> window record
    icons: [null],   // icon number -> data URL of the .ico file
    queue: [],       // events not yet taken: [key, message, wParam, lParam]
    waiter: null,    // the program's pending wait, while it waits
    scheduled: false,
    changes: {},     // control id -> EN_CHANGE notifications sent (for tests)

    // Message numbers, codes and style bits of the dialog manager.
    WM_COMMAND: 0x0111, WM_SYSCOMMAND: 0x0112, BN_CLICKED: 0, EN_CHANGE: 0x0300,
    SC_SIZE: 0xF000, SC_MOVE: 0xF010, SC_MINIMIZE: 0xF020, SC_CLOSE: 0xF060, SC_RESTORE: 0xF120,
    MF_SEPARATOR: 0x0800, IDOK: 1, IDCANCEL: 2,
    WS_VISIBLE: 0x10000000, WS_DISABLED: 0x08000000, WS_BORDER: 0x00800000,
    WS_SYSMENU: 0x00080000, WS_MINIMIZEBOX: 0x00020000, WS_GROUP: 0x00020000, WS_TABSTOP: 0x00010000,
    SS_CENTER: 1, SS_RIGHT: 2, SS_ICON: 3, SS_NOPREFIX: 0x80, SS_SUNKEN: 0x1000,
    BS_DEFPUSHBUTTON: 1, BS_CHECKBOX: 2, BS_AUTOCHECKBOX: 3, BS_GROUPBOX: 7, BS_AUTORADIOBUTTON: 9,
    ES_CENTER: 1, ES_RIGHT: 2,
    BUTTON: 0, EDIT: 1, STATIC: 2,

    // --- The event queue ------------------------------------------------------
    post: function(key, message, wParam, lParam) {
      RadixelDom.queue.push([key, message, wParam, lParam]);
      RadixelDom.deliverSoon();
    },
    command: function(key, id, code) {
      if (code === RadixelDom.EN_CHANGE) RadixelDom.changes[id] = (RadixelDom.changes[id] || 0) + 1;
      RadixelDom.post(key, RadixelDom.WM_COMMAND, (id & 0xFFFF) | ((code & 0xFFFF) << 16), 0);
    },
    // The program resumes from a fresh task of its own, never from inside
    // an event handler that it caused itself.
    deliverSoon: function() {
      if (RadixelDom.scheduled || !RadixelDom.waiter || !RadixelDom.queue.length) return;
      RadixelDom.scheduled = true;
      queueMicrotask(function() {
        RadixelDom.scheduled = false;
        var waiter = RadixelDom.waiter;
        if (!waiter || !RadixelDom.queue.length) return;
        RadixelDom.waiter = null;
        waiter(RadixelDom.queue.shift());
      });
    },
    // True when the program waits for input and nothing is queued: what a
    // person did has been fully handled (its announcement may still wait).
    idle: function() { return RadixelDom.waiter !== null && RadixelDom.queue.length === 0; },

    // --- What a screen reader is told -------------------------------------------
    // The page's polite live region (radixel_dom_page makes it), unseen, and
    // the texts waiting to go into it.
    announcer: null,
    announceTimer: 0,
    announcing: [],
    ANNOUNCE_DELAY_MS: 100,
    // Puts TEXT into the live region: after the texts before it, or, when
    // FIRST, in place of them. The region is emptied at once and filled a
    // moment later: a browser tells a screen reader of a live region only
    // where it has seen its text change, so a result like the one before it
    // is told again too. A new announcement replaces one still waiting.
    // The texts go in together as one paragraph, a span each, so that they
    // are read whole and in order: added one by one, Chromium may report
    // them out of order, and Orca drops the first of two additions Firefox
    // reports at once.
    announce: function(text, first) {
      var D = RadixelDom;
      if (first) {
        clearTimeout(D.announceTimer);
        D.announcer.textContent = '';
        D.announcing = [];
        D.announceTimer = setTimeout(function() {
          D.announceTimer = 0;
          var all = D.element('p', '', null);
          D.announcing.forEach(function(line, i) {
            if (i > 0) all.appendChild(document.createTextNode(' '));
            D.element('span', '', all).textContent = line;
          });
          D.announcing = [];
          D.announcer.appendChild(all);
        }, D.ANNOUNCE_DELAY_MS);
      }
      D.announcing.push(text);
    },

    // A text of `length` bytes of UTF-8 at `pointer`, NULs and all; a byte
    // sequence that is not UTF-8 shows as U+FFFD, as the browser decodes it.
    text: function(pointer, length) {
      if (!RadixelDom.decoder) RadixelDom.decoder = new TextDecoder();
      return RadixelDom.decoder.decode(HEAPU8.subarray(pointer, pointer + length));
    },

    // --- Each element's own style rule -----------------------------------------
    sheet: null,
    ruleCount: 0,
    // The declarations of E's own rule, made on first use.
    styleOf: function(e) {
      var D = RadixelDom;
      if (!e.rxRule) {
        if (!D.sheet) D.sheet = document.querySelector('head > style').sheet;
        var name = 'rx-s' + ++D.ruleCount;
        e.classList.add(name);
        e.rxRule = D.sheet.cssRules[D.sheet.insertRule('.' + name + '{}', D.sheet.cssRules.length)];
      }
      return e.rxRule.style;
    },
    // Drops the rules of E and of everything inside it, before E goes.
    dropRules: function(e) {
      var sheet = RadixelDom.sheet;
      if (!sheet) return;
      [e].concat(Array.prototype.slice.call(e.querySelectorAll('[class*="rx-s"]'))).forEach(function(x) {
        if (!x.rxRule) return;
        var rules = sheet.cssRules;
        for (var i = rules.length - 1; i >= 0; --i) {
          if (rules[i] === x.rxRule) { sheet.deleteRule(i); break; }
        }
        x.rxRule = null;
      });
    },

    // --- Building a window ----------------------------------------------------
    element: function(tag, className, parent) {
      var e = document.createElement(tag);
      e.rxLive = true;  // built by this page, not saved with it
      if (className) e.className = className;
      if (parent) parent.appendChild(e);
      return e;
    },
    withoutMnemonics: function(text) { return text.replace(/&(.)/g, '$1'); },
    // A menu text with its mnemonic underlined and its accelerator aside.
    menuText: function(into, text) {
      var parts = text.split('\t');
      var label = RadixelDom.element('span', 'rx-menu-label', into);
      var m = /^(.*?)&(.)(.*)$/.exec(parts[0]);
      if (m) {
        label.appendChild(document.createTextNode(m[1]));
        RadixelDom.element('u', '', label).textContent = m[2];
        label.appendChild(document.createTextNode(m[3]));
      } else {
        label.textContent = parts[0];
      }
      if (parts.length > 1) RadixelDom.element('span', 'rx-accelerator', into).textContent = parts[1];
    },
    // A click on a menu or caption button leaves the focus where it was, as
    // a click on a window's menu bar or frame does.
    keepFocus: function(button) {
      button.addEventListener('mousedown', function(event) { event.preventDefault(); });
    },
    win: function(key) { return RadixelDom.windows[key]; },
    control: function(key, id) {
      var w = RadixelDom.windows[key];
      if (!w) return null;
      for (var i = 0; i < w.controls.length; ++i) if (w.controls[i].id === id) return w.controls[i];
      return null;
    },
    focusFirst: function(w) {
      for (var i = 0; i < w.controls.length; ++i) {
        var c = w.controls[i];
        if ((c.style & RadixelDom.WS_TABSTOP) && c.input && !c.input.disabled) {
          c.input.focus();
          return;
        }
      }
    },
    pressDefault: function(w) {
      for (var i = 0; i < w.controls.length; ++i) {
        var c = w.controls[i];
        if (c.cls === RadixelDom.BUTTON && (c.style & 0xF) === RadixelDom.BS_DEFPUSHBUTTON) {
          if (!c.input.disabled) RadixelDom.command(w.key, c.id, RadixelDom.BN_CLICKED);
          return;
        }
      }
      RadixelDom.command(w.key, RadixelDom.IDOK, RadixelDom.BN_CLICKED);
    },
    onKey: function(w, event) {
      var plain = !event.altKey && !event.ctrlKey && !event.metaKey && !event.shiftKey;
      if (event.altKey && !event.ctrlKey && (event.key === ' ' || event.code === 'Space')) {
        event.preventDefault();
        var r = w.caption.getBoundingClientRect();
        RadixelDom.popUpSystemMenu(w, r.left, r.bottom);
      } else if (plain && event.key === 'Enter') {
        // A focused push button takes Enter itself; anywhere else Enter
        // presses the default button.
        if (event.target.tagName === 'BUTTON') return;
        event.preventDefault();
        RadixelDom.pressDefault(w);
      } else if (plain && event.key === 'Escape') {
        event.preventDefault();
        RadixelDom.command(w.key, RadixelDom.IDCANCEL, RadixelDom.BN_CLICKED);
      } else if (plain && event.key === 'F10' && w.menuItems.length) {
        event.preventDefault();
        w.menuItems[0].focus();
      } else if (event.key === 'Tab' && !event.altKey && !event.ctrlKey && !event.metaKey) {
        // Tab goes round the dialog's own tab stops, as in a dialog box on
        // the desktop, rather than on to the rest of the page.
        var stops = RadixelDom.tabStops(w);
        if (!stops.length) return;
        var wrapTo = event.shiftKey ? stops[stops.length - 1] : stops[0];
        var edge = event.shiftKey ? stops[0] : stops[stops.length - 1];
        if (event.target === edge || stops.indexOf(event.target) < 0) {
          event.preventDefault();
          wrapTo.focus();
        }
      }
    },
    // The controls Tab stops at, in order: a radio group stops once, at its
    // checked button (at its first while none is checked).
    tabStops: function(w) {
      var stops = [];
      w.controls.forEach(function(c) {
        var e = c.input;
        if (!e || e.tabIndex < 0 || e.disabled || c.el.hidden) return;
        if (e.type === 'radio') {
          var group = w.controls.filter(function(o) { return o.input && o.input.name === e.name; });
          var checked = group.filter(function(o) { return o.input.checked; })[0];
          if ((checked || group[0]) !== c) return;
        }
        stops.push(e);
      });
      return stops;
    },

    // --- Layout in dialog units ----------------------------------------------
    px: function(value, unit, per) { return Math.round(value * unit / per); },
    // Everything is read before anything is written, and each rule is
    // written whole: placing a window costs one style pass, not one a control.
    place: function(w) {
      var D = RadixelDom, ux = w.ux * w.narrower, uy = w.uy, px = D.px;
      w.controls.forEach(function(c) { if (c.isFrame) c.border = [c.el.clientLeft, c.el.clientTop]; });
      D.styleOf(w.client).cssText = 'width:' + px(w.cx, ux, 4) + 'px;height:' + px(w.cy, uy, 8) + 'px';
      w.controls.forEach(function(c) {
        var left = px(c.x, ux, 4), top = px(c.y, uy, 8);
        var width = px(c.cx, ux, 4), height = px(c.cy, uy, 8);
        if (c.icon) width = height = 32;  // an icon control takes the icon's size
        if (c.frame) {
          // Inside a group frame, positions count from the frame's inner edge.
          left -= px(c.frame.x, ux, 4) + c.frame.border[0];
          top -= px(c.frame.y, uy, 8) + c.frame.border[1];
        }
        D.styleOf(c.el).cssText = 'left:' + left + 'px;top:' + top + 'px;width:' + width + 'px;height:' + height + 'px';
      });
    },
    textFits: function(w) {
      return w.controls.every(function(c) {
        if (!c.measured) return true;
        var e = c.measured;
        return e.scrollWidth <= e.clientWidth && e.scrollHeight <= e.clientHeight;
      });
    },
    baseUnits: function(w) {
      var probe = RadixelDom.element('span', 'rx-probe', w.client);
      probe.textContent = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';
      var r = probe.getBoundingClientRect();
      probe.remove();
      // The average of the 52 letters, rounded as the dialog manager rounds it.
      return [Math.floor((Math.floor(r.width / 26) + 1) / 2), Math.ceil(r.height)];
    },

    // Scales each shown window that is wider than the viewport down to fit
    // it, with a small margin either side; others keep their own size.
    MARGIN: 4,
    fit: function() {
      var D = RadixelDom;
      var room = document.documentElement.clientWidth - 2 * D.MARGIN;
      var finger = matchMedia('(pointer: coarse)').matches;
      for (var key in D.windows) {
        var w = D.windows[key];
        if (!w.shown) continue;
        // Only what changes is written: a write costs the page a style pass.
        var s = D.styleOf(w.el);
        if (w.zoom !== 1) { s.zoom = ''; w.zoom = 1; }
        if (w.narrower !== 1) D.narrow(w, 1);
        var width = w.el.offsetWidth;
        if (width <= room || room <= 0) continue;
        if (finger) {
          // Only the client area narrows: the frame keeps its pixels.
          var client = w.client.offsetWidth;
          D.narrow(w, (client - (width - room)) / client);
        } else {
          w.zoom = room / width;
          s.zoom = String(w.zoom);
        }
      }
    },
    // Lays W out with its horizontal dialog units and its font FACTOR times
    // their own size and its vertical units as they are. Where a text then
    // runs past its control (glyphs do not shrink quite in proportion), the
    // font gets smaller still.
    narrow: function(w, factor) {
      var D = RadixelDom, font = D.styleOf(w.el);
      w.narrower = factor;
      D.place(w);
      w.el.classList.add('rx-measuring');  // without the tap bands, which lie outside the controls
      for (var size = w.points * factor; ; size *= 0.97) {
        font.fontSize = size + 'pt';
        if (factor === 1 || D.textFits(w) || size < w.points * factor * 0.7) break;
      }
      w.el.classList.remove('rx-measuring');
    },

    // --- The system menu ------------------------------------------------------
    popUpSystemMenu: function(w, x, y) {
      if (!(w.style & RadixelDom.WS_SYSMENU) || !w.systemMenu.length) return;
      RadixelDom.closeSystemMenu(w);
      var menu = RadixelDom.element('div', 'rx-sysmenu', w.el);
      menu.setAttribute('role', 'menu');
      menu.setAttribute('aria-label', 'System');
      var items = [];
      w.systemMenu.forEach(function(entry) {
        if (entry.flags & RadixelDom.MF_SEPARATOR) {
          RadixelDom.element('div', 'rx-separator', menu).setAttribute('role', 'separator');
          return;
        }
        var item = RadixelDom.element('div', 'rx-menuitem', menu);
        item.setAttribute('role', 'menuitem');
        item.tabIndex = -1;
        item.dataset.id = entry.id;
        RadixelDom.menuText(item, entry.text);
        // The entries are available as the window's state allows; a part
        // of a page neither moves nor changes size.
        var enabled = true;
        if (entry.id === RadixelDom.SC_RESTORE) enabled = w.iconic;
        if (entry.id === RadixelDom.SC_MOVE || entry.id === RadixelDom.SC_SIZE) enabled = false;
        if (entry.id === RadixelDom.SC_MINIMIZE) enabled = !w.iconic && !!(w.style & RadixelDom.WS_MINIMIZEBOX);
        if (!enabled) item.setAttribute('aria-disabled', 'true');
        item.addEventListener('click', function() {
          if (!enabled) return;
          RadixelDom.closeSystemMenu(w);
          RadixelDom.post(w.key, RadixelDom.WM_SYSCOMMAND, entry.id, 0);
        });
        items.push(item);
      });
      // The menu is placed in the window's own pixels, which its zoom scales.
      var origin = w.el.getBoundingClientRect();
      var at = RadixelDom.styleOf(menu);
      at.left = (x - origin.left) / w.zoom + 'px';
      at.top = (y - origin.top) / w.zoom + 'px';
      menu.addEventListener('keydown', function(event) {
        var at = items.indexOf(document.activeElement);
        event.stopPropagation();
        if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
          event.preventDefault();
          var step = event.key === 'ArrowDown' ? 1 : items.length - 1;
          items[(at + step) % items.length].focus();
        } else if (event.key === 'Enter' || event.key === ' ') {
          event.preventDefault();
          if (at >= 0) items[at].click();
        } else if (event.key === 'Escape' || event.key === 'Tab') {
          event.preventDefault();
          RadixelDom.closeSystemMenu(w);
        }
      });
      menu.addEventListener('focusout', function(event) {
        if (!menu.contains(event.relatedTarget)) RadixelDom.closeSystemMenu(w, true);
      });
      w.menuReturn = document.activeElement;
      w.popUp = menu;
      // As on the desktop, the highlight starts on the first entry that can be chosen.
      var first = items.filter(function(i) { return !i.hasAttribute('aria-disabled'); })[0];
      (first || items[0]).focus();
    },
    closeSystemMenu: function(w, keepFocus) {
      if (!w.popUp) return;
      var menu = w.popUp;
      w.popUp = null;
      RadixelDom.dropRules(menu);
      menu.remove();
      if (!keepFocus && w.menuReturn && w.menuReturn.isConnected) w.menuReturn.focus();
    }
  },

  radixel_dom_create_window__deps: ['$RadixelDom'],
  radixel_dom_create_window: function(key, templateId, ownerKey, caption, cx, cy, style, pointSize) {
    var D = RadixelDom;
    var owned = !!D.windows[ownerKey];
    var el = D.element(owned ? 'dialog' : 'section', 'rx-window');
    if (!owned) el.setAttribute('role', 'dialog');
    el.setAttribute('aria-labelledby', 'rx' + key + '-caption');
    el.dataset.template = templateId;
    var points = pointSize > 0 ? pointSize : 8;
    D.styleOf(el).font = points + 'pt sans-serif';
    var w = {key: key, owned: owned, el: el, cx: cx, cy: cy, style: style, controls: [], menuItems: [],
             systemMenu: [], iconic: false, popUp: null, focusWanted: false, shown: false, zoom: 1,
             narrower: 1, points: points};
    D.windows[key] = w;

    w.caption = D.element('div', 'rx-caption', el);
    w.smallIcon = D.element('img', 'rx-small-icon', w.caption);
    w.smallIcon.alt = '';
    w.smallIcon.hidden = true;
    var title = D.element('span', 'rx-title', w.caption);
    title.id = 'rx' + key + '-caption';
    title.textContent = UTF8ToString(caption);
    var captionButton = function(text, label, command) {
      var b = D.element('button', 'rx-caption-button', w.caption);
      b.type = 'button';
      b.tabIndex = -1;
      b.textContent = text;
      b.setAttribute('aria-label', label);
      D.keepFocus(b);
      b.addEventListener('click', function() { D.post(key, D.WM_SYSCOMMAND, command(), 0); });
      return b;
    };
    if (style & D.WS_MINIMIZEBOX) {
      w.minimize = captionButton('\u2013', 'Minimize', function() { return w.iconic ? D.SC_RESTORE : D.SC_MINIMIZE; });
    }
    if (style & D.WS_SYSMENU) captionButton('\u00d7', 'Close', function() { return D.SC_CLOSE; });
    w.caption.addEventListener('contextmenu', function(event) {
      event.preventDefault();
      D.popUpSystemMenu(w, event.clientX, event.clientY);
    });

    w.menuBar = D.element('div', 'rx-menubar', el);
    w.menuBar.setAttribute('role', 'menubar');
    w.menuBar.hidden = true;
    w.client = D.element('div', 'rx-client', el);
    w.client.addEventListener('contextmenu', function(event) {
      // Labels and group frames let the click through to the dialog, as on
      // the desktop; the form controls keep the browser's own menu.
      if (event.target.closest('input, button')) return;
      event.preventDefault();
      D.popUpSystemMenu(w, event.clientX, event.clientY);
    });
    el.addEventListener('keydown', function(event) { D.onKey(w, event); });
    if (owned) {
      // Esc is handled with the other keys; the element closes only when
      // the program ends the dialog.
      el.addEventListener('cancel', function(event) { event.preventDefault(); });
    }
    w.radioGroup = 0;
    w.groupTabStop = false;
  },

  radixel_dom_add_menu_item__deps: ['$RadixelDom'],
  radixel_dom_add_menu_item: function(key, text, command) {
    var D = RadixelDom, w = D.win(key);
    var item = D.element('button', 'rx-menubar-item', w.menuBar);
    item.type = 'button';
    item.tabIndex = -1;
    item.setAttribute('role', 'menuitem');
    item.dataset.id = command;
    item.textContent = D.withoutMnemonics(UTF8ToString(text));
    D.keepFocus(item);
    item.addEventListener('click', function() { D.command(key, command, 0); });
    item.addEventListener('keydown', function(event) {
      var at = w.menuItems.indexOf(item), n = w.menuItems.length;
      if (event.key === 'ArrowRight' || event.key === 'ArrowLeft') {
        event.preventDefault();
        w.menuItems[(at + (event.key === 'ArrowRight' ? 1 : n - 1)) % n].focus();
      } else if (event.key === 'Escape') {
        event.preventDefault();
        event.stopPropagation();
        D.focusFirst(w);
      }
    });
    w.menuItems.push(item);
    w.menuBar.hidden = false;
  },

  radixel_dom_add_control__deps: ['$RadixelDom'],
  radixel_dom_add_control: function(key, id, cls, text, x, y, cx, cy, style, pageIcon) {
    var D = RadixelDom, w = D.win(key);
    var c = {id: id, cls: cls, style: style, x: x, y: y, cx: cx, cy: cy, text: UTF8ToString(text)};
    var domId = 'rx' + key + '-' + w.controls.length;
    var kind = style & 0xF;
    if (style & D.WS_GROUP) {
      ++w.radioGroup;
      // A group's tab stop is on its first control; for radio buttons the
      // browser keeps it on the checked one and moves it with the arrows.
      w.groupTabStop = !!(style & D.WS_TABSTOP);
    }
    if (cls === D.BUTTON && kind === D.BS_GROUPBOX) {
      c.el = D.element('fieldset', 'rx-control rx-group', w.client);
      if (c.text) {
        c.legend = D.element('legend', '', c.el);
        c.legend.textContent = D.withoutMnemonics(c.text);
      }
      c.isFrame = true;
    } else if (cls === D.BUTTON && (kind === D.BS_AUTORADIOBUTTON || kind === D.BS_CHECKBOX || kind === D.BS_AUTOCHECKBOX)) {
      c.el = D.element('span', 'rx-control rx-check', w.client);
      c.input = D.element('input', '', c.el);
      c.input.type = kind === D.BS_AUTORADIOBUTTON ? 'radio' : 'checkbox';
      if (kind === D.BS_AUTORADIOBUTTON) c.input.name = 'rx' + key + '-group' + w.radioGroup;
      c.input.id = domId;
      c.label = D.element('label', '', c.el);
      c.label.htmlFor = domId;
      c.label.textContent = D.withoutMnemonics(c.text);
      c.measured = c.el;
      // Every click reports, also on a button already checked; a check by
      // the arrow keys comes as a change without a click.
      var clicked = false;
      c.input.addEventListener('click', function() {
        clicked = true;
        setTimeout(function() { clicked = false; });
        D.command(key, id, D.BN_CLICKED);
      });
      c.input.addEventListener('change', function() {
        if (!clicked) D.command(key, id, D.BN_CLICKED);
      });
    } else if (cls === D.BUTTON) {
      c.el = c.input = D.element('button', 'rx-control rx-push', w.client);
      c.input.type = 'button';
      c.input.textContent = D.withoutMnemonics(c.text);
      if (kind === D.BS_DEFPUSHBUTTON) c.input.classList.add('rx-default');
      c.measured = c.el;
      c.input.addEventListener('click', function() { D.command(key, id, D.BN_CLICKED); });
    } else if (cls === D.EDIT) {
      c.el = c.input = D.element('input', 'rx-control rx-edit', w.client);
      c.input.type = 'text';
      c.input.id = domId;
      c.input.autocomplete = 'off';
      c.input.spellcheck = false;
      if (!(style & D.WS_BORDER)) c.input.classList.add('rx-borderless');
      if (style & D.ES_CENTER) c.input.classList.add('rx-center');
      if (style & D.ES_RIGHT) c.input.classList.add('rx-right');
      c.input.addEventListener('input', function() { D.command(key, id, D.EN_CHANGE); });
    } else if ((style & 0x1F) === D.SS_ICON) {
      c.el = D.element('img', 'rx-control rx-icon', w.client);
      c.el.alt = '';
      c.icon = true;
      if (pageIcon) c.el.src = D.icons[pageIcon];
    } else {
      c.el = D.element('label', 'rx-control rx-static', w.client);
      c.el.textContent = (style & D.SS_NOPREFIX) ? c.text : D.withoutMnemonics(c.text);
      if ((style & 0x1F) === D.SS_CENTER) c.el.classList.add('rx-center');
      if ((style & 0x1F) === D.SS_RIGHT) c.el.classList.add('rx-right');
      if ((style & D.SS_SUNKEN) || (style & D.WS_BORDER)) c.el.classList.add('rx-sunken');
      c.measured = c.el;
    }
    (c.input || c.el).dataset.id = id;
    var radio = c.input && c.input.type === 'radio';
    if (c.input && !(radio ? w.groupTabStop : (style & D.WS_TABSTOP))) c.input.tabIndex = -1;
    if (c.input && (style & D.WS_DISABLED)) c.input.disabled = true;
    if (!(style & D.WS_VISIBLE)) c.el.hidden = true;
    w.controls.push(c);
  },

  radixel_dom_finish_window__deps: ['$RadixelDom'],
  radixel_dom_finish_window: function(key) {
    var D = RadixelDom, w = D.win(key);
    var inside = function(c, f) {
      return c.x >= f.x && c.y >= f.y && c.x + c.cx <= f.x + f.cx && c.y + c.cy <= f.y + f.cy;
    };
    w.controls.forEach(function(f) {
      if (!f.isFrame) return;
      // The radio buttons a group frame surrounds go inside its <fieldset>,
      // which takes the place of the first of them.
      var members = w.controls.filter(function(c) { return c.input && c.input.type === 'radio' && inside(c, f); });
      if (!members.length) return;
      // A screen reader's arrow keys choose among them, as on the desktop:
      // the group is a radio group, and it stands in an application (a box
      // of its own, display: contents, so nothing moves), which keeps a
      // screen reader that comes in from a box in its focus mode, where the
      // keys go to the page, rather than reading on in the page with them.
      var keys = D.element('div', 'rx-keys', null);
      keys.setAttribute('role', 'application');
      w.client.insertBefore(keys, members[0].el);
      keys.appendChild(f.el);
      f.el.setAttribute('role', 'radiogroup');
      if (!f.legend) f.el.setAttribute('aria-label', 'Conversion');
      members.forEach(function(c) { c.frame = f; f.el.appendChild(c.el); });
    });
    w.controls.forEach(function(edit) {
      // An edit box is named by the label just above it: the nearest one
      // whose bottom is at or above the box's top and that overlaps it
      // sideways.
      if (edit.cls !== D.EDIT) return;
      var best = null, bestGap = Infinity;
      w.controls.forEach(function(l) {
        if (l.cls !== D.STATIC || l.icon || (l.style & D.SS_NOPREFIX)) return;
        var gap = edit.y - (l.y + l.cy);
        var overlaps = l.x < edit.x + edit.cx && edit.x < l.x + l.cx;
        if (gap >= 0 && overlaps && gap < bestGap) { best = l; bestGap = gap; }
      });
      if (best) best.el.htmlFor = edit.input.id;
    });

    if (w.owned) {
      // A box is described by its texts, so that a screen reader reads them
      // as it opens: the box itself, and its default button, which takes
      // the focus then. Orca reads them with the box where the browser
      // presents the box as the focus enters it (Chromium), and with the
      // button where it presents the button alone (Firefox); once either way.
      var texts = [];
      w.controls.forEach(function(c, i) {
        if (c.cls !== D.STATIC || c.icon || c.el.hidden) return;
        c.el.id = 'rx' + key + '-' + i;
        texts.push(c.el.id);
      });
      if (texts.length) {
        var described = [w.el];
        w.controls.forEach(function(c) {
          if (c.cls === D.BUTTON && (c.style & 0xF) === D.BS_DEFPUSHBUTTON) described.push(c.input);
        });
        described.forEach(function(e) { e.setAttribute('aria-describedby', texts.join(' ')); });
      }
    }

    // Measured where the page lays it out, unseen.
    var parent = w.owned ? document.body : document.getElementById('rx-desktop');
    parent.appendChild(w.el);
    w.el.classList.add('rx-measuring');
    var units = D.baseUnits(w);
    w.ux = units[0];
    w.uy = units[1];
    D.place(w);
    while (!D.textFits(w) && w.ux < 2 * units[0]) { ++w.ux; D.place(w); }
    while (!D.textFits(w) && w.uy < 2 * units[1]) { ++w.uy; D.place(w); }
    w.el.classList.remove('rx-measuring');
  },

  radixel_dom_focus_first__deps: ['$RadixelDom'],
  radixel_dom_focus_first: function(key) {
    var w = RadixelDom.win(key);
    w.focusWanted = true;
    if (w.shown) RadixelDom.focusFirst(w);
  },

  radixel_dom_show__deps: ['$RadixelDom'],
  radixel_dom_show: function(key) {
    var D = RadixelDom, w = D.win(key);
    if (w.shown) return;
    w.shown = true;
    if (w.owned) w.el.showModal();
    else w.el.classList.add('rx-shown');
    D.fit();
    if (w.focusWanted) D.focusFirst(w);
    if (!w.owned) delete document.documentElement.dataset.result;
    if (!w.owned && !window.radixelReadyAt) {
      // The first dialog is on the page and takes typing.
      window.radixelReadyAt = performance.now();
      document.documentElement.setAttribute('data-ready', '1');
    }
  },

  radixel_dom_end__deps: ['$RadixelDom', 'radixel_dom_hide'],
  radixel_dom_end: function(key, result) {
    // The result stays on the page, where tests read how a dialog ended.
    var w = RadixelDom.win(key);
    if (!w) return;
    w.el.dataset.result = result;
    if (!w.owned) document.documentElement.dataset.result = result;
    _radixel_dom_hide(key);
  },

  radixel_dom_hide__deps: ['$RadixelDom'],
  radixel_dom_hide: function(key) {
    var D = RadixelDom, w = D.win(key);
    if (!w || !w.shown) return;
    w.shown = false;
    D.closeSystemMenu(w, true);
    if (w.owned) w.el.close();
    else w.el.classList.remove('rx-shown');
  },

  radixel_dom_destroy__deps: ['$RadixelDom', 'radixel_dom_hide'],
  radixel_dom_destroy: function(key) {
    var w = RadixelDom.win(key);
    if (!w) return;
    _radixel_dom_hide(key);
    RadixelDom.dropRules(w.el);
    w.el.remove();
    delete RadixelDom.windows[key];
  },

  radixel_dom_get_text__deps: ['$RadixelDom'],
  radixel_dom_get_text: function(key, id, buffer, size) {
    var c = RadixelDom.control(key, id);
    var text = !c ? '' : c.cls === RadixelDom.EDIT ? c.input.value : c.text;
    var length = lengthBytesUTF8(text);
    if (length < size) {
      if (!RadixelDom.encoder) RadixelDom.encoder = new TextEncoder();
      RadixelDom.encoder.encodeInto(text, HEAPU8.subarray(buffer, buffer + length));
      HEAPU8[buffer + length] = 0;
    }
    return length;
  },

  radixel_dom_set_text__deps: ['$RadixelDom'],
  radixel_dom_set_text: function(key, id, text, length) {
    var D = RadixelDom, c = D.control(key, id);
    if (!c) return;
    c.text = D.text(text, length);
    // A box given the text it shows keeps it: a long text is not laid out again.
    if (c.cls === D.EDIT) { if (c.input.value !== c.text) c.input.value = c.text; }
    else if (c.label) c.label.textContent = D.withoutMnemonics(c.text);
    else if (c.legend) c.legend.textContent = D.withoutMnemonics(c.text);
    else if (!c.icon) c.el.textContent = (c.style & D.SS_NOPREFIX) || c.cls === D.BUTTON ? c.text : D.withoutMnemonics(c.text);
  },

  radixel_dom_is_checked__deps: ['$RadixelDom'],
  radixel_dom_is_checked: function(key, id) {
    var c = RadixelDom.control(key, id);
    return c && c.input && c.input.checked ? 1 : 0;
  },

  radixel_dom_check__deps: ['$RadixelDom'],
  radixel_dom_check: function(key, id, checked) {
    var c = RadixelDom.control(key, id);
    if (c && c.input && (c.input.type === 'radio' || c.input.type === 'checkbox')) c.input.checked = !!checked;
  },

  radixel_dom_set_iconic__deps: ['$RadixelDom'],
  radixel_dom_set_iconic: function(key, iconic) {
    var D = RadixelDom, w = D.win(key);
    // The focus comes back where it was before the window was minimised.
    if (iconic && w.el.contains(document.activeElement)) w.focusBefore = document.activeElement;
    w.iconic = !!iconic;
    w.el.classList.toggle('rx-iconic', w.iconic);
    D.fit();
    if (w.minimize) {
      w.minimize.textContent = w.iconic ? '\u25a1' : '\u2013';
      w.minimize.setAttribute('aria-label', w.iconic ? 'Restore' : 'Minimize');
    }
    if (!w.iconic && w.focusBefore && w.focusBefore.isConnected) w.focusBefore.focus();
    else if (!w.iconic && w.focusWanted) D.focusFirst(w);
  },

  radixel_dom_client_size__deps: ['$RadixelDom'],
  radixel_dom_client_size: function(key, vertical) {
    var w = RadixelDom.win(key);
    return vertical ? w.client.clientHeight : w.client.clientWidth;
  },

  radixel_dom_screen_size: function(vertical) {
    return vertical ? window.innerHeight : window.innerWidth;
  },

  radixel_dom_reset_system_menu__deps: ['$RadixelDom'],
  radixel_dom_reset_system_menu: function(key) { RadixelDom.win(key).systemMenu = []; },

  radixel_dom_append_system_menu__deps: ['$RadixelDom'],
  radixel_dom_append_system_menu: function(key, flags, id, text, length) {
    RadixelDom.win(key).systemMenu.push({flags: flags, id: id, text: RadixelDom.text(text, length)});
  },

  radixel_dom_load_icon__deps: ['$RadixelDom'],
  radixel_dom_load_icon: function(ico, size) {
    var bytes = '';
    for (var i = 0; i < size; ++i) bytes += String.fromCharCode(HEAPU8[ico + i]);
    RadixelDom.icons.push('data:image/x-icon;base64,' + btoa(bytes));
    return RadixelDom.icons.length - 1;
  },

  radixel_dom_set_icon__deps: ['$RadixelDom'],
  radixel_dom_set_icon: function(key, big, pageIcon) {
    var D = RadixelDom, w = D.win(key), url = D.icons[pageIcon];
    if (big) return;  // the page shows only the small icon
    w.smallIcon.hidden = !url;
    if (url) w.smallIcon.src = url;
    // The page's own window carries the icon of its main dialog.
    if (!w.owned && url) {
      var link = document.querySelector('link[rel="icon"]') || D.element('link', '', document.head);
      link.rel = 'icon';
      link.href = url;
    }
  },

  radixel_dom_announce__deps: ['$RadixelDom'],
  radixel_dom_announce: function(text, length, first) {
    RadixelDom.announce(RadixelDom.text(text, length), !!first);
  },

  radixel_dom_show_restart__deps: ['$RadixelDom'],
  radixel_dom_show_restart: function(line, lineLength, button, buttonLength) {
    var D = RadixelDom;
    var p = D.element('p', 'rx-ended', document.getElementById('rx-desktop'));
    p.setAttribute('role', 'status');
    var said = D.element('span', '', p);
    said.id = 'rx-ended-line';
    said.textContent = D.text(line, lineLength) + ' ';
    var b = D.element('button', '', p);
    b.type = 'button';
    b.textContent = D.text(button, buttonLength);
    // The button takes the focus, and a screen reader reads its
    // description with it: the line that says the dialog has ended.
    b.setAttribute('aria-describedby', said.id);
    b.addEventListener('click', function() {
      p.remove();
      D.post(0, 0, 0, 0);
    });
    b.focus();
  },

  radixel_dom_wait_event__deps: ['$RadixelDom'],
  radixel_dom_wait_event: function(out) {
    return Asyncify.handleSleep(function(wakeUp) {
      RadixelDom.waiter = function(event) {
        for (var i = 0; i < 4; ++i) HEAP32[(out >> 2) + i] = event[i];
        wakeUp();
      };
      RadixelDom.deliverSoon();
    });
  },

  // What the page's tests and measurements look at.
  radixel_dom_page__deps: ['$RadixelDom'],
  radixel_dom_page: function() {
    // A page saved from the browser holds the dialogs as they were then;
    // the boxes stand after this script, where the parser may not be yet.
    // Whatever this page did not build goes, now and once it is parsed.
    var dropSaved = function() {
      var saved = Array.prototype.slice.call(document.getElementById('rx-desktop').children)
        .concat(Array.prototype.slice.call(document.querySelectorAll('dialog.rx-window')));
      saved.forEach(function(e) { if (!e.rxLive && e.tagName !== 'NOSCRIPT') e.remove(); });
    };
    dropSaved();
    if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', dropSaved);
    delete document.documentElement.dataset.ready;
    delete document.documentElement.dataset.result;
    window.addEventListener('resize', RadixelDom.fit);
    var region = RadixelDom.element('div', 'rx-unseen', document.getElementById('rx-desktop'));
    region.setAttribute('aria-live', 'polite');
    RadixelDom.announcer = region;
    window.radixelPage = {
      idle: RadixelDom.idle,
      // True when no announcement waits to go into the live region.
      told: function() { return !RadixelDom.announceTimer; },
      changes: function(id) { return RadixelDom.changes[id] || 0; },
    };
    // Keys that reach no control (the focus on the page itself) go to the
    // dialog on the page, when no box is open above it.
    document.addEventListener('keydown', function(event) {
      if (event.target !== document.body || document.querySelector('dialog[open]')) return;
      for (var key in RadixelDom.windows) {
        var w = RadixelDom.windows[key];
        if (!w.owned && w.shown) { RadixelDom.onKey(w, event); return; }
      }
    });
  }
});
