#pragma once

#include <QString>

namespace norvel {

// The values of the quote form, one field per control, as the quote and the files take them.
struct QuoteInput {
    QString datePret;       // loan date, "dd/mm/yyyy"
    QString termePret;      // months
    int optionEcheance = 0; // 0 end-of-term date given, 1 amortization duration given
    QString dateFinTerme;   // "dd/mm/yyyy"
    QString dureeAmorti;    // months, typed or derived
    QString montantPret;    // as shown, with the language's grouping
    QString versementMensuel;

    struct Person {
        QString prenom;
        QString nom;
        int optionNais = 1; // 0 date of birth given, 1 age given
        QString dateNais;   // "dd/mm/yyyy"
        QString age;
        int sexe = 0;   // 0 man, 1 woman
        int fumeur = 0; // 0 non-smoker, 1 smoker
    };
    Person emprunteur;
    bool coemprunteur = false;
    Person coemprunteurPerson;
};

} // namespace norvel
