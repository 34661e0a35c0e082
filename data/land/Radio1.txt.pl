Superliczba z numeru kuponu
Superliczba wybrana samodzielnie
