// Qt-side placeholder so the ui library is never empty.
