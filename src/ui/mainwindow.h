#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QMdiArea;

namespace norvel {
class BrokerWindow;
class QuoteForm;
class RecentIllustrations;
struct ProductDocument;
} // namespace norvel

namespace norvel {

// frmMDI: the frame of the program, a multiple-document window with the menus.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The load sequence: menus for the province, translation, the broker window loaded hidden,
    // the work area, the quote form shown on a new illustration.
    void load();

    // Loads the quote form when it is not open, and shows it.
    QuoteForm *showQuoteForm();

    // The quote form while it is open, and the broker window once loaded.
    QuoteForm *quoteForm() const;
    BrokerWindow *brokerWindow() const;
    bool quoteFormOpen() const;
    // The File menu's recent illustrations, once loaded.
    RecentIllustrations *recentIllustrations() const { return recent_.get(); }

    QAction *item(const char *name) const;
    QMdiArea *workspace() const { return area_; }

    // The background picture the language file names.
    Q_INVOKABLE void setPictureFile(const QString &file);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void switchProvince(const QString &province);
    void showHelpNotice();
    void showBrokerWindow();
    void showAbout();
    void showLivePremiums(bool shown);
    void openDocument(const ProductDocument &document);
    void openRecent(int index);
    void mailQuote();
    void centreQuoteForm();
    // Scrolls the work area so that a control of the quote form that takes the focus shows.
    void scrollTo(QWidget *control);

    QMdiArea *area_;
    QMetaObject::Connection focusFollower_;
    QPointer<QuoteForm> quoteForm_;
    QPointer<BrokerWindow> broker_;
    std::unique_ptr<RecentIllustrations> recent_;
};

} // namespace norvel
