// SPDX-License-Identifier: GPL-3.0-or-later
// Speech on Windows through SAPI, with an Italian voice of the system
// (language 410); without one the program stays silent rather than read
// Italian with an English voice.
#include "ModuloVoce.h"

#include <QObject>

#include <windows.h>
#include <sapi.h>

class ModuloVoceSapi : public QObject, public LettoreVoce
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LettoreVoce_iid)
    Q_INTERFACES(LettoreVoce)

public:
    ~ModuloVoceSapi() override
    {
        if (voce) {
            voce->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
            voce->Release();
        }
        if (com)
            CoUninitialize();
    }

    bool apri() override
    {
        // SAPI lives in the process: a voice once made stays.
        if (voce)
            return true;
        if (!com)
            com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        if (!com)
            return false;
        ISpObjectToken *italiana = tokenItaliano();
        if (!italiana)
            return false;
        if (SUCCEEDED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                       reinterpret_cast<void **>(&voce)))
            && FAILED(voce->SetVoice(italiana))) {
            voce->Release();
            voce = nullptr;
        }
        italiana->Release();
        return voce != nullptr;
    }

    bool di(const QString &testo) override
    {
        if (!voce)
            return false;
        // The new text cuts the old one; nothing queues up.
        const std::wstring w = testo.toStdWString();
        return SUCCEEDED(voce->Speak(w.c_str(), SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML, nullptr));
    }

private:
    static ISpObjectToken *tokenItaliano()
    {
        ISpObjectTokenCategory *categoria = nullptr;
        if (FAILED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL, IID_ISpObjectTokenCategory,
                                    reinterpret_cast<void **>(&categoria))))
            return nullptr;
        ISpObjectToken *trovato = nullptr;
        IEnumSpObjectTokens *elenco = nullptr;
        if (SUCCEEDED(categoria->SetId(SPCAT_VOICES, FALSE))
            && SUCCEEDED(categoria->EnumTokens(L"Language=410", nullptr, &elenco)) && elenco) {
            if (elenco->Next(1, &trovato, nullptr) != S_OK)
                trovato = nullptr;
            elenco->Release();
        }
        categoria->Release();
        return trovato;
    }

    ISpVoice *voce = nullptr;
    bool com = false;
};

#include "ModuloVoceSapi.moc"
