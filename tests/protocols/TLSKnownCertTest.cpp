// The list of known TLS certificates: what counts as a certificate, and the
// window with its real check boxes, a certificate of several lines loaded,
// saved to a stored file and read back, and the row buttons moving boxes.

#include <gtest/gtest.h>

#include <string>

#include "AccessWindowFixture.h"
#include "protocols/TLS_Server_Known_Cert.h"
#include "shell/Language.h"

namespace {

using namespace plat;
using namespace proto::tls_cert;
using prototest::ReadFile;
using prototest::TypeCell;
using prototest::WriteFile;

const std::string Pem = "-----BEGIN CERTIFICATE-----\r\nMIIBszCCAVmgAwIBAgIU\r\nQUJDRA==\r\n-----END CERTIFICATE-----";

TEST(TLSKnownCert, WhatIsAPemBlock) {
    const struct {
        const char* name;
        std::string text;
        bool pem;
    } cases[] = {
        {"crlf", Pem, true},
        {"lf and blanks around", "\n  -----BEGIN CERTIFICATE-----\nQUJD\n-----END CERTIFICATE-----\n ", true},
        {"other label", "-----BEGIN TRUSTED CERTIFICATE-----\nQUJD\n-----END TRUSTED CERTIFICATE-----", true},
        {"labels differ", "-----BEGIN CERTIFICATE-----\nQUJD\n-----END PRIVATE KEY-----", false},
        {"no end", "-----BEGIN CERTIFICATE-----\nQUJD", false},
        {"no body", "-----BEGIN CERTIFICATE----------END CERTIFICATE-----", false},
        {"blank body", "-----BEGIN CERTIFICATE-----\n \n-----END CERTIFICATE-----", false},
        {"no label", "-----BEGIN -----\nQUJD\n-----END -----", false},
        {"base64 only", "MIIBszCCAVmgAwIBAgIU", false},
        {"text after the end", "-----BEGIN CERTIFICATE-----\nQUJD\n-----END CERTIFICATE-----\nmore", false},
    };
    for (const auto& c : cases) EXPECT_EQ(proto::Is_PEM_Block(c.text), c.pem) << c.name;
}

class TLSWindow : public prototest::AccessWindowTest<proto::TFTLS_Server_Known_Cert> {
protected:
    void SetUp() override { OpenWindow("tls_known_cert_window"); }
    bool Ticked(int r) {
        bool state = false;
        EXPECT_TRUE(dlg->ESG->GetCheckBoxState(Enable, r, state)) << "row " << r;
        return state;
    }
};

TEST_F(TLSWindow, CertificatesKeepTheirLinesAndBoxesThroughSaveAndReload) {
    WriteFile(shell::TLS_Known_Cert_File,
              "<TLS_Server_Known_Cert>\n"
              "  <row Enable=\"N\" Certificate=\"" + std::string("-----BEGIN CERTIFICATE-----&#13;&#10;MIIBszCCAVmgAwIBAgIU&#13;&#10;"
              "QUJDRA==&#13;&#10;-----END CERTIFICATE-----") + "\" Mnemonic=\"Plant server\" />\n"
              "  <row Enable=\"n\" Certificate=\"-----BEGIN CERTIFICATE-----&#10;QUJD&#10;-----END CERTIFICATE-----\" />\n"
              "  <row Certificate=\"pasted by mistake\" Mnemonic=\"x\" />\n"
              "</TLS_Server_Known_Cert>\n<!--SW_VERSION = 1.000-->\n");
    test::TScriptedUi ui;
    ui.AnswerBox(mrNo);   // not a certificate: do not save
    ui.AnswerBox(mrYes);  // save it as it is
    const TModalResult result = Open(ui, [&] {
        grid::TExtColumnGrid& g = *dlg->ESG;
        EXPECT_EQ(g.RowCount(), 11);
        EXPECT_EQ(g.RowHeights(1), 60);
        EXPECT_EQ(g.Cells(Certificate, 1), Pem);
        EXPECT_FALSE(Ticked(1));
        EXPECT_TRUE(Ticked(2));  // only "N" clears
        EXPECT_TRUE(Ticked(3));  // no attribute
        EXPECT_TRUE(Ticked(10));
        prototest::ClickCell(g, Enable, 2);
        EXPECT_FALSE(Ticked(2));
        TypeCell(g, Mnemonic, 2, "Backup");
        EXPECT_TRUE(test::SaveScreenshot(*dlg, std::string(VASTRIMO_TEST_OUT) + "/TFTLS_Server_Known_Cert.png"));
        test::ClickAt(*dlg->Btn_OK);
        EXPECT_EQ(dlg->ModalResult(), mrNone);
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtWarning);
    EXPECT_EQ(ui.Boxes()[0].Text,
              "The certificate in row 3 is not a PEM block (\"-----BEGIN CERTIFICATE-----\" ... "
              "\"-----END CERTIFICATE-----\"). Do you want to save it as it is?");
    const std::string saved = ReadFile(shell::TLS_Known_Cert_File);
    EXPECT_EQ(saved, ReadFile(std::string(VASTRIMO_TEST_DATA) + "/TLS_Known_Cert_saved.xml"));

    // Shown again: the same boxes and texts, and OK writes the same file.
    test::TScriptedUi again;
    again.AnswerBox(mrYes);
    Open(again, [&] {
        EXPECT_FALSE(Ticked(1));
        EXPECT_FALSE(Ticked(2));
        EXPECT_TRUE(Ticked(3));
        EXPECT_EQ(dlg->ESG->Cells(Certificate, 1), Pem);
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(ReadFile(shell::TLS_Known_Cert_File), saved);
}

TEST_F(TLSWindow, RowButtonsMoveTheBoxes) {
    test::TScriptedUi ui;
    Open(ui, [&] {
        grid::TExtColumnGrid& g = *dlg->ESG;
        g.SetRow(1);
        test::ClickAt(*dlg->Btn_PasteRow);  // nothing copied yet
        SetRows(0, {{1, {{Enable, "N"}, {Certificate, Pem}, {Mnemonic, "one"}}},
                    {2, {{Certificate, "two"}}}});
        EXPECT_FALSE(Ticked(1));
        g.SetRow(1);
        test::ClickAt(*dlg->Btn_CopyRow);
        g.SetRow(4);
        test::ClickAt(*dlg->Btn_PasteRow);
        EXPECT_FALSE(Ticked(4));
        EXPECT_EQ(g.Cells(Certificate, 4), Pem);
        g.SetRow(1);
        test::ClickAt(*dlg->Btn_InsRow);
        EXPECT_TRUE(Ticked(1));
        EXPECT_EQ(g.Cells(Certificate, 1), "");
        EXPECT_FALSE(Ticked(2));
        EXPECT_EQ(g.Cells(Mnemonic, 2), "one");
        g.SetRow(2);
        test::ClickAt(*dlg->Btn_DelRow);  // the question answers Yes
        EXPECT_TRUE(Ticked(2));
        EXPECT_EQ(g.Cells(Certificate, 2), "two");
        EXPECT_TRUE(Ticked(10));
        test::ClickAt(*dlg->Btn_Cancel);
    });
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].Text, shell::Lang_Texts[1502]);
    EXPECT_EQ(ui.Boxes()[1].Text, "Are you sure to delete the Row number 2");
}

}  // namespace
