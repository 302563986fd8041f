#include "calc/form.h"

namespace cnc {

std::string_view fieldCaption(Field field) {
    switch (field) {
        case Field::Text1: return "Passi del motore";
        case Field::Text2: return "Passo della vite (mm)";
        case Field::Text3: return "Step/mm";
        case Field::Text4: return "Risoluzione del passo (mm)";
        case Field::Text5: return "Motore";
        case Field::Text6: return "Vite";
        case Field::Text7: return "INTERASSE";
        case Field::Text8: return "Interasse";
        case Field::Text9: return "Cinta";
    }
    return "";
}

std::string_view initialText(Field field) {
    switch (field) {
        case Field::Text1: return "200";
        case Field::Text2: return "3";
        case Field::Text5: return "17";
        case Field::Text6: return "36";
        case Field::Text9: return "120";
        case Field::Text3:
        case Field::Text4:
        case Field::Text7:
        case Field::Text8: return "";
    }
    return "";
}

}  // namespace cnc
