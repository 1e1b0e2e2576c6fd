#pragma once

// What a test of the running program reaches for: the program in a throw-away folder, its
// windows and the quote form's controls, and the data-row helpers.
#include "domain/illustration.h"
#include "support/datarow.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/programcontext.h"
#include "ui/brokerwindow.h"
#include "ui/mainwindow.h"
#include "ui/maskededit.h"
#include "ui/quoteform.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
