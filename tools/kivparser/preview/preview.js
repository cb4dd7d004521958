// The behaviour of the preview page of "kivparser preview": menus that open on
// hover and from the keyboard, and the side panel of the chosen entry. Plain
// script, no library; the page is complete without it.
(function () {
  'use strict';

  var panel = document.getElementById('panel-body');
  var selected = null;
  var closeTimer = null;

  function isItem(el) {
    return el && el.getAttribute && el.getAttribute('role') === 'menuitem' &&
      el.getAttribute('aria-disabled') !== 'true';
  }
  // The menu (or menu bar) an item stands in.
  function containerOf(item) {
    return item.parentElement && item.parentElement.parentElement;
  }
  function submenuOf(item) {
    var next = item.nextElementSibling;
    return next && next.getAttribute('role') === 'menu' ? next : null;
  }
  // The item whose submenu this menu is; null for a menu bar or a standing menu.
  function openerOf(menu) {
    var li = menu.parentElement;
    if (!li || li.tagName !== 'LI') return null;
    var first = li.firstElementChild;
    return first && first !== menu && first.getAttribute('role') === 'menuitem' ? first : null;
  }
  function itemsOf(menu) {
    var items = [];
    for (var li = menu.firstElementChild; li; li = li.nextElementSibling) {
      var item = li.firstElementChild;
      if (isItem(item)) items.push(item);
    }
    return items;
  }
  function isBar(menu) {
    return menu && menu.getAttribute('role') === 'menubar';
  }
  // The menu bar or standing menu at the top of the item's menus.
  function rootOf(item) {
    var menu = containerOf(item);
    for (var opener = openerOf(menu); opener; opener = openerOf(menu)) menu = containerOf(opener);
    return menu;
  }
  function barItemOf(item) {
    var menu = containerOf(item);
    var opener = openerOf(menu);
    var last = item;
    while (opener) {
      last = opener;
      menu = containerOf(opener);
      opener = openerOf(menu);
    }
    return isBar(menu) ? last : null;
  }

  function open(item) {
    var sub = submenuOf(item);
    if (!sub) return null;
    // Only one submenu open per menu.
    itemsOf(containerOf(item)).forEach(function (other) {
      if (other !== item) close(other);
    });
    item.parentElement.classList.add('open');
    item.setAttribute('aria-expanded', 'true');
    return sub;
  }
  function close(item) {
    var sub = submenuOf(item);
    if (!sub) return;
    item.parentElement.classList.remove('open');
    item.setAttribute('aria-expanded', 'false');
    itemsOf(sub).forEach(close);
  }
  function closeAll(root) {
    itemsOf(root).forEach(close);
  }
  function focus(item) {
    if (!item) return;
    var root = rootOf(item);
    var current = root.querySelector('[tabindex="0"]');
    if (current && current !== item) current.setAttribute('tabindex', '-1');
    item.setAttribute('tabindex', '0');
    item.focus();
  }
  function step(item, by) {
    var items = itemsOf(containerOf(item));
    var at = items.indexOf(item);
    return items[(at + by + items.length) % items.length];
  }

  // The panel: the chosen entry's block, then the block of each action it runs.
  function choose(el) {
    var id = el.getAttribute('data-e');
    if (id === null) return;
    if (selected) selected.classList.remove('selected');
    selected = el;
    el.classList.add('selected');
    panel.textContent = '';
    var block = document.getElementById('d' + id);
    if (!block) return;
    var blocks = [block];
    (block.getAttribute('data-actions') || '').split(' ').forEach(function (action) {
      var found = action && document.getElementById(action);
      if (found) blocks.push(found);
    });
    blocks.forEach(function (source) {
      var copy = source.cloneNode(true);
      copy.removeAttribute('id');
      panel.appendChild(copy);
    });
  }

  function activate(item) {
    var sub = submenuOf(item);
    choose(item);
    if (sub) {
      open(item);
      var items = itemsOf(sub);
      if (items.length) focus(items[0]);
      return;
    }
    var barItem = barItemOf(item);
    if (barItem) {
      closeAll(containerOf(barItem));
      focus(barItem);
    }
  }

  function onKey(event) {
    var item = event.target;
    if (!isItem(item)) return;
    var menu = containerOf(item);
    var bar = isBar(menu);
    var opener = openerOf(menu);
    var barItem = barItemOf(item);
    var handled = true;
    switch (event.key) {
      case 'ArrowDown':
        if (bar) {
          var below = open(item);
          if (below) focus(itemsOf(below)[0]);
        } else {
          focus(step(item, 1));
        }
        break;
      case 'ArrowUp':
        if (bar) {
          var above = open(item);
          if (above) focus(itemsOf(above).slice(-1)[0]);
        } else {
          focus(step(item, -1));
        }
        break;
      case 'ArrowRight':
        if (bar) {
          var wasOpen = item.getAttribute('aria-expanded') === 'true';
          close(item);
          var right = step(item, 1);
          focus(right);
          if (wasOpen) open(right);
        } else if (submenuOf(item)) {
          focus(itemsOf(open(item))[0]);
        } else if (barItem) {
          closeAll(containerOf(barItem));
          var nextBar = step(barItem, 1);
          var nextMenu = open(nextBar);
          focus(nextMenu ? itemsOf(nextMenu)[0] : nextBar);
        } else {
          handled = false;
        }
        break;
      case 'ArrowLeft':
        if (bar) {
          var wasOpenLeft = item.getAttribute('aria-expanded') === 'true';
          close(item);
          var left = step(item, -1);
          focus(left);
          if (wasOpenLeft) open(left);
        } else if (opener && !isBar(containerOf(opener))) {
          close(opener);
          focus(opener);
        } else if (barItem) {
          closeAll(containerOf(barItem));
          var previousBar = step(barItem, -1);
          var previousMenu = open(previousBar);
          focus(previousMenu ? itemsOf(previousMenu)[0] : previousBar);
        } else {
          handled = false;
        }
        break;
      case 'Enter':
      case ' ':
        activate(item);
        break;
      case 'Escape':
        if (opener) {
          close(opener);
          focus(opener);
        } else if (bar) {
          close(item);
        } else {
          handled = false;
        }
        break;
      case 'Home':
        focus(itemsOf(menu)[0]);
        break;
      case 'End':
        focus(itemsOf(menu).slice(-1)[0]);
        break;
      case 'Tab':
        if (barItem) closeAll(containerOf(barItem));
        handled = false;
        break;
      default:
        handled = mnemonic(item, event.key);
    }
    if (handled) event.preventDefault();
  }

  // A letter moves to the next entry of the menu with that mnemonic, or else
  // whose label starts with it; an entry whose mnemonic it is alone is chosen.
  function mnemonic(item, key) {
    if (!key || key.length !== 1 || !/\S/.test(key)) return false;
    var lower = key.toLowerCase();
    var items = itemsOf(containerOf(item));
    var marked = items.filter(function (other) {
      return (other.getAttribute('data-mn') || '').toLowerCase() === lower;
    });
    if (marked.length === 1 && !isBar(containerOf(item))) {
      focus(marked[0]);
      activate(marked[0]);
      return true;
    }
    var candidates = marked.length ? marked : items.filter(function (other) {
      return (other.getAttribute('data-label') || '').toLowerCase().indexOf(lower) === 0;
    });
    if (!candidates.length) return false;
    var at = items.indexOf(item);
    var next = candidates.filter(function (other) { return items.indexOf(other) > at; })[0] || candidates[0];
    focus(next);
    return true;
  }

  function onOver(event) {
    var item = event.target.closest && event.target.closest('[role="menuitem"]');
    if (!isItem(item)) return;
    clearTimeout(closeTimer);
    var menu = containerOf(item);
    if (submenuOf(item)) open(item);
    else itemsOf(menu).forEach(close);
  }
  function onOut(event) {
    var root = event.currentTarget;
    if (event.relatedTarget && root.contains(event.relatedTarget)) return;
    clearTimeout(closeTimer);
    closeTimer = setTimeout(function () { closeAll(root); }, 400);
  }
  function onClick(event) {
    var el = event.target.closest && event.target.closest('[data-e]');
    if (!el || el.getAttribute('aria-disabled') === 'true') return;
    if (isItem(el)) {
      var barItem = barItemOf(el);
      choose(el);
      if (submenuOf(el)) {
        open(el);
        focus(el);
      } else if (barItem) {
        closeAll(containerOf(barItem));
        focus(barItem);
      } else {
        focus(el);
      }
    } else {
      choose(el);
    }
  }

  var roots = document.querySelectorAll('[role="menubar"], .standing');
  Array.prototype.forEach.call(roots, function (root) {
    var first = itemsOf(root)[0];
    if (first) first.setAttribute('tabindex', '0');
    root.addEventListener('keydown', onKey);
    root.addEventListener('mouseover', onOver);
    root.addEventListener('mouseout', onOut);
    root.addEventListener('click', onClick);
  });
  Array.prototype.forEach.call(document.querySelectorAll('button[data-e]'), function (button) {
    button.setAttribute('tabindex', '0');
    button.addEventListener('click', onClick);
  });
  document.addEventListener('click', function (event) {
    var bar = document.querySelector('[role="menubar"]');
    if (bar && !bar.contains(event.target)) closeAll(bar);
  });
  document.documentElement.classList.add('scripted');
})();
