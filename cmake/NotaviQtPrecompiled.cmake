# Qt's headers are most of the compile time of every file of the desktop program and its tests:
# precompiled, they are parsed once per target instead of once per file.
set(NOTAVI_QT_PRECOMPILED
    <QAction> <QApplication> <QCheckBox> <QComboBox> <QDateEdit> <QDialog> <QGroupBox> <QHBoxLayout>
    <QLabel> <QLineEdit> <QListWidget> <QMenu> <QPlainTextEdit> <QPushButton> <QString> <QTabBar>
    <QTextBlock> <QTimer> <QVBoxLayout> <QWidget> <functional> <optional> <string> <vector>)
