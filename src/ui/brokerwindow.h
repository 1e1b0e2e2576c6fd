#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace norvel {

class MaskedEdit;

// frmCourtier: the broker's name and telephone, kept in the settings file. The window is only
// ever hidden: the quote and the files read the two fields for the whole run.
class BrokerWindow : public QDialog {
    Q_OBJECT
public:
    explicit BrokerWindow(QWidget *parent = nullptr);

    // Translation and the saved values; the focus on the name when the window shows.
    void activate();
    // The ten digit positions of the telephone, "_" where nothing was typed.
    QString ReadPhoneDigits() const;
    // A name and telephone as stored (padding included), whatever the settings file holds.
    void showBroker(const QString &name, const QString &telephone);
    // Puts the saved telephone into the field, position by position.
    void ShowSavedPhone();
    // The telephone as stored that the window last showed or saved: what a saved illustration
    // carries, even when the settings file refused it.
    QString storedTelephone() const { return telephone_; }

    QLineEdit *txtNom;
    MaskedEdit *mskTelephone;
    QPushButton *cmdCourtier[2];

public Q_SLOTS:
    void reject() override; // Annuler, Esc and the close box

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void accepted();
    void showPhone(const QString &telephone);

    QString telephone_;
};

} // namespace norvel
