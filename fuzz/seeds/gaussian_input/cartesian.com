#p hf
 
t
,,
-1, 2
O 1.5 -.5 0.0
H 0 1.0 2.0 3.0
VARIABLES:

Mo Cl 0
****
