#pragma once

#include <QDialog>

#include <functional>
#include <memory>

// korvo-dump --dialog NAME ARG... opens a dialog headless, after what
// start-up loads (settings, compilers, colour style), in KORVO_HOME and
// XDG_CONFIG_HOME, and takes each ARG in order as the user would:
//   NAME=VALUE          sets the control with that object name: check boxes
//                       and option buttons 0 or 1, text and spin boxes their
//                       text, lists and combos the text of the item clicked,
//                       a tab control the page index
//   NAME                clicks it
//   close               the close box
//   key:Ctrl+Tab        that key (also key:Ctrl+Shift+Tab) to the focused control
//   answer:VALUE        queues the answer to the next prompt: yes, no, ok,
//                       cancel, or a text or path; with none queued a prompt
//                       takes its default
// An ARG that names no control, or one the user could not reach (disabled,
// or on a page not shown), is reported on standard error and ends in exit
// code 1. Each prompt prints "prompt:TITLE|TEXT". At the end it prints "closed" when
// the dialog closed, then each named control as NAME=VALUE (a button's value
// is its caption), with " disabled" after one disabled on its page.
//
// A dialog joins by registering its maker under its name in a file of its own:
//   const DumpDialog preferences("preferences", [] { return std::make_unique<FrmOptions>(); });
using DialogMaker = std::function<std::unique_ptr<QDialog>()>;

struct DumpDialog {
    DumpDialog(const char* name, DialogMaker make);
};
