#include "ia/regles.h"

namespace quarvel {

const Tableau<FonctionRegle, 74> reglesJeu{
    {regle1,  regle2,  regle3,  regle4,  regle5,  regle6,  regle7,  regle8,  regle9,  regle10,
     regle11, regle12, regle13, regle14, regle15, regle16, regle17, regle18, regle19, regle20,
     regle21, regle22, regle23, regle24, regle25, regle26, regle27, regle28, regle29, regle30,
     regle31, regle32, regle33, regle34, regle35, regle36, regle37, regle38, regle39, regle40,
     regle41, regle42, regle43, regle44, regle45, regle46, regle47, regle48, regle49, regle50,
     regle51, regle52, regle53, regle54, regle55, regle56, regle57, regle58, regle59, regle60,
     regle61, regle62, regle63, regle64, regle65, regle66, regle67, regle68, regle69, regle70,
     regle71, regle72, regle73, regle74}};

} // namespace quarvel
