Reintegro según el número de boleto
Elegir el reintegro
