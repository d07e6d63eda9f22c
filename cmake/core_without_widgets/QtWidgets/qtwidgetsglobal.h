// Seen before Qt's own by the libraries of the core only. Every Qt Widgets
// header starts with this one, so a widget header reached there by its full
// path (<QtWidgets/QWidget>) stops the build too.
#error "The core is built without Qt Widgets: widgets belong in widgets/ and app/."
