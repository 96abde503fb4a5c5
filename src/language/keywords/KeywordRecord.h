#pragma once

#include <QString>
#include <QStringList>

#include <memory>

// One command or keyword of a compiler, as its keyword file describes it.
struct ClsBBFunkcija {
    QString Ime;
    int Tip = 1;                // result type code: 1, 2 or 3
    int VlezNum = 0;            // number of parameters
    bool ImaZagradi = false;    // the arguments stand in brackets
    QString Help;               // the whole keyword-file line
    bool IsStartScope = false;
    bool IsEndScope = false;
    bool IsScope = false;
    bool MoraZagradi = false;   // a call must carry brackets even without arguments

    // Parameter texts from 1. Setting a number beyond the highest grows the
    // list; reading one never set raises error 9.
    QString ParametarTekst(int ParBroj) const;
    void SetParametarTekst(int ParBroj, const QString& text);

private:
    QStringList parameters_;
};

using KeywordPtr = std::shared_ptr<ClsBBFunkcija>;
